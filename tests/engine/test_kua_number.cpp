#include "kua_number.h"

#include <QTest>

using korvane::GetKuaNumber;
using korvane::KuaBirthYear;

class TestKuaNumber : public QObject {
    Q_OBJECT
private slots:
    void kuaNumber_data();
    void kuaNumber();
    void januaryAndFebruaryCountToTheYearBefore_data();
    void januaryAndFebruaryCountToTheYearBefore();
};

// The Kua number by r, the digit sum of the two year digits reduced once.
static const int kMale[10] = {1, 9, 8, 7, 6, 5, 4, 3, 2, 1};
static const int kFemale[10] = {5, 6, 7, 8, 9, 1, 2, 3, 4, 5};

void TestKuaNumber::kuaNumber_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<int>("expected");
    for (int tens = 0; tens <= 9; ++tens) {
        for (int units = 0; units <= 9; ++units) {
            const int sum = tens + units;
            const int r = sum >= 10 ? 1 + (sum - 10) : sum;
            const QString digits = QString::number(tens) + QString::number(units);
            QTest::addRow("Male %s", qPrintable(digits)) << digits << "Male" << kMale[r];
            QTest::addRow("Female %s", qPrintable(digits)) << digits << "Female" << kFemale[r];
        }
    }
    // Any text other than exactly "Male" takes the female rule.
    QTest::newRow("lower-case male is not Male") << "75"
                                                 << "male" << 8;
    QTest::newRow("empty sex") << "75"
                               << "" << 8;

    // One character counts as both digits: 7 + 7 = 14, r = 5.
    QTest::newRow("one digit, male") << "7"
                                     << "Male" << 5;
    QTest::newRow("one digit, female") << "7"
                                       << "Female" << 1;
    // Nothing to add: s stays 0.
    QTest::newRow("empty, male") << ""
                                 << "Male" << 1;
    QTest::newRow("empty, female") << ""
                                   << "Female" << 5;
    // A non-digit adds nothing; the other digit still counts.
    QTest::newRow("non-digit first") << "x4"
                                     << "Male" << 6;
    QTest::newRow("non-digit last") << "7x"
                                    << "Male" << 3;
    QTest::newRow("two non-digits") << "ab"
                                    << "Female" << 5;
    QTest::newRow("blank inside") << " 9"
                                  << "Male" << 1;
}

void TestKuaNumber::kuaNumber() {
    QFETCH(QString, digits);
    QFETCH(QString, sex);
    QFETCH(int, expected);
    QCOMPARE(GetKuaNumber(digits.toStdString(), sex.toStdString()), expected);
}

void TestKuaNumber::januaryAndFebruaryCountToTheYearBefore_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("expected");
    QTest::newRow("January") << "1975"
                             << "January"
                             << "1974";
    QTest::newRow("February") << "1975"
                              << "February"
                              << "1974";
    QTest::newRow("March keeps its year") << "1975"
                                          << "March"
                                          << "1975";
    QTest::newRow("December keeps its year") << "1975"
                                             << "December"
                                             << "1975";
    QTest::newRow("first year of the list") << "1900"
                                            << "January"
                                            << "1899";
    QTest::newRow("across a century") << "2000"
                                      << "February"
                                      << "1999";
    // Month names compare exactly.
    QTest::newRow("lower-case january") << "1975"
                                        << "january"
                                        << "1975";
    QTest::newRow("abbreviated") << "1975"
                                 << "Jan"
                                 << "1975";
    // A year that is not a number stays as it is rather than breaking.
    QTest::newRow("not a number") << "19x5"
                                  << "January"
                                  << "19x5";
    QTest::newRow("empty year") << ""
                                << "February"
                                << "";
}

void TestKuaNumber::januaryAndFebruaryCountToTheYearBefore() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(KuaBirthYear(year.toStdString(), month.toStdString())),
             expected);
}

QTEST_APPLESS_MAIN(TestKuaNumber)
#include "test_kua_number.moc"
