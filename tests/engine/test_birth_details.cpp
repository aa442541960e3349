#include "birth_details.h"
#include "birth_details_for.h"
#include "table_rows.h"

#include <QTest>

using namespace korvane;

Q_DECLARE_METATYPE(BirthDateCheck)
Q_DECLARE_METATYPE(BirthDetails)

class TestBirthDetails : public QObject {
    Q_OBJECT
private slots:
    void dateCheck_data() {
        // month: 0 for January; day: 1 to 31
        Columns<int, int, int, BirthDateCheck>("year", "month", "day", "expected");
        // Which dates are real is test_reading_domain's, over every date of
        // the lists; the date messages are the birth details window's test.
        QTest::newRow("31 February: February's message")
            << 2000 << 1 << 31 << BirthDateCheck::WrongFebruaryDay;
        QTest::newRow("31 June") << 1980 << 5 << 31 << BirthDateCheck::WrongThirtyFirst;
        QTest::newRow("31 September") << 1980 << 8 << 31 << BirthDateCheck::WrongThirtyFirst;
        QTest::newRow("29 February 2100, not leap by 100")
            << 2100 << 1 << 29 << BirthDateCheck::WrongFebruaryDay;
    }

    void dateCheck() {
        const auto [year, month, day, expected] =
            Fetch<int, int, int, BirthDateCheck>("year", "month", "day", "expected");
        QCOMPARE(CheckBirthDate(year, month, day - 1), expected);
    }

    // What a reading is made of: the form's sex and date, when both are there.
    void birthOfTheForm_data() {
        Columns<BirthDetails, std::optional<Birth>>("details", "birth");
        const auto row = [](const char* tag, const BirthDetails& details,
                            std::optional<Birth> birth) { QTest::newRow(tag) << details << birth; };
        row("15 March 1975, male", DetailsFor("A", true, 15, "March", 1975),
            Birth{Sex::Male, {1975, Month::March, 15}});
        row("29 February 2000, female", DetailsFor("A", false, 29, "February", 2000),
            Birth{Sex::Female, {2000, Month::February, 29}});
        row("last of the lists", DetailsFor("", true, 31, "December", 2050),
            Birth{Sex::Male, {2050, Month::December, 31}});
        BirthDetails noSex = DetailsFor("A", true, 1, "March", 1980);
        noSex.maleSelected = false;
        BirthDetails outside = DetailsFor("A", true, 1, "March", 1980);
        outside.yearIndex = kListedYearCount;
        BirthDetails noMonth = DetailsFor("A", true, 1, "March", 1980);
        noMonth.monthIndex = -1;
        row("no sex", noSex, {});
        row("year past the list", outside, {});
        row("month before the list", noMonth, {});
        row("29 February 1900 does not exist", DetailsFor("A", true, 29, "February", 1900), {});
        row("31 April does not exist", DetailsFor("A", true, 31, "April", 1990), {});
    }

    void birthOfTheForm() {
        const auto [details, birth] = Fetch<BirthDetails, std::optional<Birth>>("details", "birth");
        QCOMPARE(BirthOf(details), birth);
    }
};

QTEST_APPLESS_MAIN(TestBirthDetails)
#include "test_birth_details.moc"
