#include "birth_details_check.h"
#include "birth_details_for.h"
#include "reading_for.h"

#include <QTest>

using namespace korvane;

namespace {

BirthDetails Form(std::string name, bool male, bool female, int year, int monthIndex, int day) {
    return {std::move(name), male, female, day - 1, monthIndex, year - kFirstListedYear};
}

} // namespace

class TestReadingFor : public QObject {
    Q_OBJECT
private slots:
    void marchBirthGivesTheWholeReading() {
        const Reading reading = ReadingFor(DetailsFor("Ann", true, 15, "March", 1975));
        QCOMPARE(reading.kuaNumber, std::string("7"));
        QCOMPARE(reading.sunSign, std::optional(TextId::SignPisces));
        QCOMPARE(reading.rulingPlanet, std::optional(TextId::PlanetJupiter));
        QCOMPARE(reading.carColour, std::optional(TextId::ColourYellow));
        QCOMPARE(reading.carColourSwatch, std::optional<ColourValue>(MakeColour(255, 255, 0)));
        QCOMPARE(reading.carColourDescription, std::optional(TextId::ColourYellowText));
        QCOMPARE(reading.sunSignDescription, std::optional(TextId::SignPiscesText));
        const TextId names[4] = {TextId::ColourWhite, TextId::ColourCoral, TextId::ColourBeige,
                                 TextId::ColourGold};
        const ColourValue swatches[4] = {MakeColour(255, 255, 255), MakeColour(255, 120, 80),
                                         MakeColour(255, 200, 150), MakeColour(255, 215, 0)};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(reading.purposes[i].name, std::optional(names[i]));
            QCOMPARE(reading.purposes[i].swatch, std::optional<ColourValue>(swatches[i]));
        }
    }

    void januaryBirthCountsFromTheYearBefore() {
        // 1975 counts as 1974 before the solar new year: 7 + 4 = 11, 1 + 1 = 2, 10 - 2 = 8.
        const Reading reading = ReadingFor(DetailsFor("Ann", true, 10, "January", 1975));
        QCOMPARE(reading.kuaNumber, std::string("8"));
        QCOMPARE(reading.sunSign, std::optional(TextId::SignCapricorn));
        QCOMPARE(reading.rulingPlanet, std::optional(TextId::PlanetSaturn));
        QCOMPARE(reading.carColour, std::optional(TextId::ColourViolet));
        QCOMPARE(reading.purposes[0].name, std::optional(TextId::ColourCoral));
        QCOMPARE(reading.purposes[3].name, std::optional(TextId::ColourBeige));
    }

    void readingLeavesTheSharedRecordAlone() {
        TheReadingRecord().strSunSign = "untouched";
        ReadingFor(DetailsFor("Ann", false, 1, "July", 2001));
        QCOMPARE(TheReadingRecord().strSunSign, std::string("untouched"));
        // The record passed in is the one filled.
        ReadingRecord record;
        ReadingFor(DetailsFor("Ann", false, 1, "July", 2001), record);
        QCOMPARE(record.strSunSign, std::string("Cancer"));
        QCOMPARE(record.strBirthYear, std::string("2001"));
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
