#include "kua_number.h"

#include <QTest>

using korvane::GetKuaNumber;

class TestKuaNumber : public QObject {
    Q_OBJECT
private slots:
    void everyPairOfDigits_data();
    void everyPairOfDigits();
    void shortAndNonDigitYearTexts_data();
    void shortAndNonDigitYearTexts();
};

// The Kua number by r, the digit sum of the two year digits reduced once.
static const int kMale[10] = {1, 9, 8, 7, 6, 5, 4, 3, 2, 1};
static const int kFemale[10] = {5, 6, 7, 8, 9, 1, 2, 3, 4, 5};

void TestKuaNumber::everyPairOfDigits_data() {
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
}

void TestKuaNumber::everyPairOfDigits() {
    QFETCH(QString, digits);
    QFETCH(QString, sex);
    QFETCH(int, expected);
    QCOMPARE(GetKuaNumber(digits.toStdString(), sex.toStdString()), expected);
}

void TestKuaNumber::shortAndNonDigitYearTexts_data() {
    QTest::addColumn<QString>("digits");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<int>("expected");
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

void TestKuaNumber::shortAndNonDigitYearTexts() {
    QFETCH(QString, digits);
    QFETCH(QString, sex);
    QFETCH(int, expected);
    QCOMPARE(GetKuaNumber(digits.toStdString(), sex.toStdString()), expected);
}

QTEST_APPLESS_MAIN(TestKuaNumber)
#include "test_kua_number.moc"
