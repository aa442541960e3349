#include "kua_number.h"

#include <QTest>

using namespace korvane;

class TestKuaNumber : public QObject {
    Q_OBJECT
private slots:
    void kuaNumber_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("male");
        QTest::addColumn<int>("expected");
        // Every year a reading can count from, 1899 to 2050, against the
        // digit sum of the whole year: 11 minus it for a man, plus 4 for a
        // woman, each reduced to one digit.
        for (int year = 1899; year <= 2050; ++year) {
            int digits = 0;
            for (int rest = year; rest > 0; rest /= 10)
                digits += rest % 10;
            const auto oneDigit = [](int n) { return (n - 1) % 9 + 1; };
            QTest::addRow("Male %d", year) << year << true << oneDigit(11 - digits % 9 + 9);
            QTest::addRow("Female %d", year) << year << false << oneDigit(digits + 4);
        }
        // The examples of the rule, across the century in both directions.
        const struct {
            int year;
            bool male;
            int expected;
        } rows[] = {{2000, true, 9}, {2000, false, 6}, {2005, true, 4}, {2009, false, 6},
                    {1899, true, 2}, {1975, true, 7},  {1989, false, 4}};
        for (const auto& row : rows)
            QTest::addRow("example %d %s", row.year, row.male ? "male" : "female")
                << row.year << row.male << row.expected;
    }

    void kuaNumber() {
        QFETCH(int, year);
        QFETCH(bool, male);
        QFETCH(int, expected);
        QCOMPARE(GetKuaNumber(year, male ? Sex::Male : Sex::Female), expected);
    }
};

QTEST_APPLESS_MAIN(TestKuaNumber)
#include "test_kua_number.moc"
