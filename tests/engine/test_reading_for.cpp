#include "birth_details_check.h"
#include "birth_details_for.h"
#include "catalogue.h"
#include "reading_for.h"
#include "reading_phrases.h"

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

} // namespace

class TestReadingFor : public QObject {
    Q_OBJECT
private slots:
    // The year counts from Li Chun (3, 4 or 5 February), the Kua number from
    // that year, and a woman's Kua 5 takes the directions of Kua 8.
    void workedReadings_data() {
        QTest::addColumn<bool>("male");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("fengShuiYear");
        QTest::addColumn<int>("kua");
        QTest::addColumn<QString>("success"); // the first purpose's colour
        const auto row = [](const char* name, bool male, int day, const char* month, int year,
                            int fengShuiYear, int kua, const char* success) {
            QTest::newRow(name) << male << day << QString(month) << year << fengShuiYear << kua
                                << QString(success);
        };
        row("male 15 March 1975", true, 15, "March", 1975, 1975, 7, "White");
        row("female 15 March 1975", false, 15, "March", 1975, 1975, 8, "Coral");
        row("male 10 February 1975, after Li Chun", true, 10, "February", 1975, 1975, 7, "White");
        row("male 3 February 1975, before Li Chun", true, 3, "February", 1975, 1974, 8, "Coral");
        row("male 4 February 1975, the day of Li Chun", true, 4, "February", 1975, 1975, 7,
            "White");
        row("female 20 January 1990", false, 20, "January", 1990, 1989, 4, "Blue");
        row("male 31 December 1975", true, 31, "December", 1975, 1975, 7, "White");
        // The nine-year cycle runs on across the century.
        row("male 1 March 2000", true, 1, "March", 2000, 2000, 9, "Maroon");
        row("female 1 March 2000", false, 1, "March", 2000, 2000, 6, "Gold");
        row("male 1 January 2001 counts 2000", true, 1, "January", 2001, 2000, 9, "Maroon");
        row("male 1 January 1900 counts 1899", true, 1, "January", 1900, 1899, 2, "Beige");
        row("female 1 February 1900 counts 1899", false, 1, "February", 1900, 1899, 4, "Blue");
        row("male 31 December 2050", true, 31, "December", 2050, 2050, 4, "Blue");
        // Kua 5: a man's takes Kua 2's directions, a woman's Kua 8's.
        row("female 5 February 1900, Kua 5", false, 5, "February", 1900, 1900, 5, "Coral");
        row("female 1 March 1999, Kua 5", false, 1, "March", 1999, 1999, 5, "Coral");
        row("male 1 March 1995, Kua 5", true, 1, "March", 1995, 1995, 5, "Beige");
    }

    void workedReadings() {
        QFETCH(bool, male);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(int, fengShuiYear);
        QFETCH(int, kua);
        QFETCH(QString, success);
        const Reading reading = ReadingOf(male, day, month.toStdString(), year);
        QCOMPARE(reading.year.year, fengShuiYear);
        QCOMPARE(reading.kuaNumber, kua);
        QCOMPARE(QString::fromUtf8(EnglishText(*reading.purposes[0].name).data()), success);
        // The date and the sun sign keep the date as entered.
        QCOMPARE(reading.birth.date.year, year);
        QCOMPARE(reading.astrology.sunSign,
                 AstrologyReading(day, reading.birth.date.month).sunSign);
        // The element reading counts from the same year.
        QCOMPARE(reading.elements.cycle, CycleYearOf(fengShuiYear));
    }

    // What the reading says besides its colours, in English.
    void readingSaysItsYear_data() {
        QTest::addColumn<bool>("male");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QStringList>("lines"); // year, Kua 5, Li Chun day, element rule
        QTest::newRow("before Li Chun")
            << true << 3 << "February" << 1975
            << QStringList{"Feng Shui year 1974, Wood Tiger (甲寅): born before Li Chun, "
                           "4 February 1975",
                           "", "", "Metal (金) produces Water (水), and Earth (土) overcomes it."};
        QTest::newRow("on the day of Li Chun")
            << true << 4 << "February" << 1975
            << QStringList{"Feng Shui year 1975, Wood Rabbit (乙卯): born on the day of Li Chun, "
                           "4 February 1975",
                           "",
                           "Li Chun began at 18:59 on 4 February 1975 (China Standard Time). Born "
                           "before then, your Feng Shui year is 1974 and your Kua number 8.",
                           "Metal (金) produces Water (水), and Earth (土) overcomes it."};
        QTest::newRow("a woman's Kua 5")
            << false << 1 << "March" << 1990
            << QStringList{"Feng Shui year 1990, Metal Horse (庚午): born after Li Chun, "
                           "4 February 1990",
                           "Kua 5 has no directions of its own: a woman's Kua 5 takes those "
                           "of Kua 8.",
                           "", "Fire (火) produces Earth (土), and Wood (木) overcomes it."};
        QTest::newRow("Li Chun just after midnight")
            << false << 5 << "February" << 1910
            << QStringList{"Feng Shui year 1910, Metal Dog (庚戌): born on the day of Li Chun, "
                           "5 February 1910",
                           "",
                           "Li Chun began at 00:27 on 5 February 1910 (China Standard Time). Born "
                           "before then, your Feng Shui year is 1909 and your Kua number 5.",
                           "Earth (土) produces Metal (金), and Fire (火) overcomes it."};
    }

    void readingSaysItsYear() {
        QFETCH(bool, male);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QStringList, lines);
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

    void checksComeInOrderWithTheirMessages() {
        // An empty name is reported before a wrong date; a name of blanks passes.
        auto problem = CheckBirthDetails(Form("", true, false, 1980, 3, 31));
        QVERIFY(problem);
        QCOMPARE(problem->text, TextId::MessageEnterName);
        QCOMPARE(problem->icon, ProblemIcon::Critical);
        QCOMPARE(problem->focus, ProblemFocus::Name);

        problem = CheckBirthDetails(Form("  ", false, false, 1980, 3, 31));
        QVERIFY(problem);
        QCOMPARE(problem->text, TextId::MessageSpecifySex);
        QCOMPARE(problem->focus, ProblemFocus::ProceedButton);

        problem = CheckBirthDetails(Form("Ann", false, true, 1999, 1, 29));
        QVERIFY(problem);
        QCOMPARE(problem->text, TextId::MessageWrongDate);
        QCOMPARE(problem->icon, ProblemIcon::Information);
        QCOMPARE(problem->focus, ProblemFocus::Unchanged);

        problem = CheckBirthDetails(Form("Ann", true, false, 1980, 3, 31));
        QVERIFY(problem);
        QCOMPARE(problem->text, TextId::MessageWrongThirtyFirst);
        QCOMPARE(problem->icon, ProblemIcon::Information);
    }

    void validDatesPass() {
        QVERIFY(!CheckBirthDetails(Form("Ann", true, false, 2000, 1, 29)));
        QVERIFY(!CheckBirthDetails(Form(" ", false, true, 1980, 2, 31)));
        QVERIFY(!CheckBirthDetails(Form("Ann", true, false, 1980, 3, 30)));
    }
};

QTEST_GUILESS_MAIN(TestReadingFor)
#include "test_reading_for.moc"
