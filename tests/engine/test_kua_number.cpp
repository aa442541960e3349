#include "kua_number.h"

#include <QTest>

using korvane::GetKuaNumber;
using korvane::KuaBirthYear;

class TestKuaNumber : public QObject {
    Q_OBJECT
private slots:
    void kuaNumber_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<int>("expected"); // 0: no Kua number
        // Every year the lists give, from 1899 (January 1900) to 2050, against
        // the digit sum of the whole year: 11 minus it for a man, plus 4 for a
        // woman, each reduced to one digit.
        for (int year = 1899; year <= 2050; ++year) {
            int digits = 0;
            for (int rest = year; rest > 0; rest /= 10)
                digits += rest % 10;
            const auto oneDigit = [](int n) { return (n - 1) % 9 + 1; };
            const QString text = QString::number(year);
            QTest::addRow("Male %d", year) << text << "Male" << oneDigit(11 - digits % 9 + 9);
            QTest::addRow("Female %d", year) << text << "Female" << oneDigit(digits + 4);
        }
        // The examples of the rule, across the century in both directions.
        struct Row {
            const char* tag;
            QString year;
            QString sex;
            int expected;
        };
        const Row rows[] = {
            {"Male 2000", "2000", "Male", 9},
            {"Female 2000", "2000", "Female", 6},
            {"Male 2005", "2005", "Male", 4},
            {"Female 2009", "2009", "Female", 6},
            {"Male 1899", "1899", "Male", 2},
            {"Male 1975, as in the 1900s before", "1975", "Male", 7},
            {"Female 1989", "1989", "Female", 4},
            // Any text other than exactly "Male" takes the female rule.
            {"lower-case male is not Male", "1975", "male", 8},
            {"empty sex", "1975", "", 8},
            // A year text that is not a number has no Kua number.
            {"not a number", "19x5", "Male", 0},
            {"empty year", "", "Female", 0},
        };
        for (const Row& row : rows)
            QTest::newRow(row.tag) << row.year << row.sex << row.expected;
    }

    void kuaNumber() {
        QFETCH(QString, year);
        QFETCH(QString, sex);
        QFETCH(int, expected);
        const auto kua = GetKuaNumber(year.toStdString(), sex.toStdString());
        QCOMPARE(kua.value_or(0), expected);
    }

    void januaryAndFebruaryCountToTheYearBefore_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("expected");
        struct Row {
            const char* tag;
            QString year;
            QString month;
            QString expected;
        };
        const Row rows[] = {
            {"January", "1975", "January", "1974"},
            {"February", "1975", "February", "1974"},
            {"March keeps its year", "1975", "March", "1975"},
            {"December keeps its year", "1975", "December", "1975"},
            {"first year of the list", "1900", "January", "1899"},
            {"across a century", "2000", "February", "1999"},
            // Month names compare exactly.
            {"lower-case january", "1975", "january", "1975"},
            {"abbreviated", "1975", "Jan", "1975"},
            // A year that is not a number stays as it is rather than breaking.
            {"not a number", "19x5", "January", "19x5"},
            {"empty year", "", "February", ""},
        };
        for (const Row& row : rows)
            QTest::newRow(row.tag) << row.year << row.month << row.expected;
    }

    void januaryAndFebruaryCountToTheYearBefore() {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(KuaBirthYear(year.toStdString(), month.toStdString())),
                 expected);
    }
};

QTEST_APPLESS_MAIN(TestKuaNumber)
#include "test_kua_number.moc"
