#include "birth_details_check.h"
#include "birth_details_for.h"
#include "catalogue.h"
#include "reading_for.h"
#include "reading_phrases.h"
#include "table_rows.h"

#include <QTest>

using namespace korvane;

namespace {

BirthDetails Form(std::string name, bool male, bool female, int year, int monthIndex, int day) {
    return {std::move(name), male, female, day - 1, monthIndex, year - kFirstListedYear};
}

// The reading of a form's details, which must have one.
Reading ReadingOf(bool male, int day, std::string_view month, int year) {
    const auto birth = BirthOf(DetailsFor("Ann", male, day, month, year));
    const auto reading = birth ? ReadingFor(*birth) : std::nullopt;
    if (!reading)
        qFatal("no reading for %d %s %d", day, month.data(), year);
    return *reading;
}

QString English(const std::optional<Phrase>& phrase) {
    return phrase ? QString::fromStdString(Filled(*phrase, EnglishText)) : QString();
}

struct Worked {
    const char* tag;
    bool male;
    int day;
    const char* month;
    int year, fengShuiYear, kua;
    const char* success; // the first purpose's colour
};

} // namespace

class TestReadingFor : public QObject {
    Q_OBJECT
private slots:
    // The year counts from Li Chun (3, 4 or 5 February), the Kua number from
    // that year, and a woman's Kua 5 takes the directions of Kua 8.
    void workedReadings_data() {
        const Worked rows[] = {
            {"male 15 March 1975", true, 15, "March", 1975, 1975, 7, "White"},
            {"female 15 March 1975", false, 15, "March", 1975, 1975, 8, "Coral"},
            {"male 10 February 1975, after Li Chun", true, 10, "February", 1975, 1975, 7, "White"},
            {"male 3 February 1975, before Li Chun", true, 3, "February", 1975, 1974, 8, "Coral"},
            {"male 4 February 1975, the day of Li Chun", true, 4, "February", 1975, 1975, 7,
             "White"},
            {"female 20 January 1990", false, 20, "January", 1990, 1989, 4, "Blue"},
            {"male 31 December 1975", true, 31, "December", 1975, 1975, 7, "White"},
            // The nine-year cycle runs on across the century.
            {"male 1 March 2000", true, 1, "March", 2000, 2000, 9, "Maroon"},
            {"female 1 March 2000", false, 1, "March", 2000, 2000, 6, "Gold"},
            {"male 1 January 2001 counts 2000", true, 1, "January", 2001, 2000, 9, "Maroon"},
            {"male 1 January 1900 counts 1899", true, 1, "January", 1900, 1899, 2, "Beige"},
            {"female 1 February 1900 counts 1899", false, 1, "February", 1900, 1899, 4, "Blue"},
            {"male 31 December 2050", true, 31, "December", 2050, 2050, 4, "Blue"},
            // Kua 5: a man's takes Kua 2's directions, a woman's Kua 8's.
            {"female 5 February 1900, Kua 5", false, 5, "February", 1900, 1900, 5, "Coral"},
            {"female 1 March 1999, Kua 5", false, 1, "March", 1999, 1999, 5, "Coral"},
            {"male 1 March 1995, Kua 5", true, 1, "March", 1995, 1995, 5, "Beige"},
        };
        AddRows(rows);
    }

    void workedReadings() {
        QFETCH(Worked, row);
        const Reading reading = ReadingOf(row.male, row.day, row.month, row.year);
        QCOMPARE(reading.year.year, row.fengShuiYear);
        QCOMPARE(reading.kuaNumber, row.kua);
        QCOMPARE(QString::fromUtf8(EnglishText(*reading.purposes[0].name).data()),
                 QString(row.success));
        // The date keeps the year as entered (the sun sign is
        // test_reading_domain's).
        QCOMPARE(reading.birth.date.year, row.year);
        // The element reading counts from the same year.
        QCOMPARE(reading.elements.cycle, CycleYearOf(row.fengShuiYear));
    }

    // What the reading says besides its colours, in English: the year, Kua
    // 5, the day of Li Chun and the element rule.
    void readingSaysItsYear_data() {
        Columns<bool, int, QString, int, QStringList>("male", "day", "month", "year", "lines");
        Row("before Li Chun", true, 3, "February", 1975,
            QStringList{
                "Feng Shui year 1974, Wood Tiger (甲寅): born before Li Chun, 4 February 1975", "",
                "", "Metal (金) produces Water (水), and Earth (土) overcomes it."});
        Row("on the day of Li Chun", true, 4, "February", 1975,
            QStringList{"Feng Shui year 1975, Wood Rabbit (乙卯): born on the day of Li Chun, "
                        "4 February 1975",
                        "",
                        "Li Chun began at 18:59 on 4 February 1975 (China Standard Time). "
                        "Born before then, your Feng Shui year is 1974 and your Kua number 8.",
                        "Metal (金) produces Water (水), and Earth (土) overcomes it."});
        Row("a woman's Kua 5", false, 1, "March", 1990,
            QStringList{
                "Feng Shui year 1990, Metal Horse (庚午): born after Li Chun, 4 February 1990",
                "Kua 5 has no directions of its own: a woman's Kua 5 takes those of Kua 8.", "",
                "Fire (火) produces Earth (土), and Wood (木) overcomes it."});
        Row("Li Chun just after midnight", false, 5, "February", 1910,
            QStringList{"Feng Shui year 1910, Metal Dog (庚戌): born on the day of Li Chun, "
                        "5 February 1910",
                        "",
                        "Li Chun began at 00:27 on 5 February 1910 (China Standard Time). "
                        "Born before then, your Feng Shui year is 1909 and your Kua number 5.",
                        "Earth (土) produces Metal (金), and Fire (火) overcomes it."});
    }

    void readingSaysItsYear() {
        const auto [male, day, month, year, lines] =
            Fetch<bool, int, QString, int, QStringList>("male", "day", "month", "year", "lines");
        const Reading reading = ReadingOf(male, day, month.toStdString(), year);
        QCOMPARE((QStringList{English(FengShuiYearPhrase(reading)), English(KuaFivePhrase(reading)),
                              English(FengShuiLiChunDayPhrase(reading)),
                              English(ElementRulePhrase(reading))}),
                 lines);
        QCOMPARE(ElementsLiChunDayPhrase(reading).has_value(), reading.beforeTheMoment.has_value());
    }

    void datesWithoutAReading() {
        // A date that does not exist, and years whose Li Chun is not known.
        for (const BirthDate date :
             {BirthDate{1999, Month::February, 29}, BirthDate{1898, Month::March, 1},
              BirthDate{2052, Month::March, 1}})
            QVERIFY(!ReadingFor(Birth{Sex::Male, date}));
        QVERIFY(ReadingFor(Birth{Sex::Male, BirthDate{2051, Month::March, 1}}));
    }

    // The name and date checks are the birth details window's test; no sex
    // chosen, which that window cannot show, comes after the name and before
    // the date, and leads to the button.
    void noSexChosen() {
        const auto said = [](const char* name, int day) {
            const auto problem = CheckBirthDetails(Form(name, false, false, 1980, 3, day));
            return problem ? std::pair(std::optional(problem->text), problem->focus)
                           : std::pair(std::optional<TextId>(), ProblemFocus::Unchanged);
        };
        QCOMPARE(said("", 31),
                 std::pair(std::optional(TextId::MessageEnterName), ProblemFocus::Name));
        QCOMPARE(said("  ", 31),
                 std::pair(std::optional(TextId::MessageSpecifySex), ProblemFocus::ProceedButton));
        QVERIFY(!CheckBirthDetails(Form(" ", false, true, 1980, 3, 30)));
    }
};

QTEST_GUILESS_MAIN(TestReadingFor)
#include "test_reading_for.moc"
