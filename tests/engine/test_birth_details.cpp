#include "birth_details.h"
#include "birth_details_for.h"

#include <QTest>

using namespace korvane;

Q_DECLARE_METATYPE(BirthDateCheck)

class TestBirthDetails : public QObject {
    Q_OBJECT
private slots:
    void dateCheck_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month"); // 0 for January
        QTest::addColumn<int>("day");   // 1 to 31
        QTest::addColumn<BirthDateCheck>("expected");
        QTest::newRow("29 February 2000, leap by 400") << 2000 << 1 << 29 << BirthDateCheck::Valid;
        QTest::newRow("29 February 1900, not leap by 100")
            << 1900 << 1 << 29 << BirthDateCheck::WrongFebruaryDay;
        QTest::newRow("29 February 1999") << 1999 << 1 << 29 << BirthDateCheck::WrongFebruaryDay;
        QTest::newRow("29 February 1996") << 1996 << 1 << 29 << BirthDateCheck::Valid;
        QTest::newRow("28 February 1999") << 1999 << 1 << 28 << BirthDateCheck::Valid;
        QTest::newRow("30 February 2000") << 2000 << 1 << 30 << BirthDateCheck::WrongFebruaryDay;
        QTest::newRow("31 February 2000") << 2000 << 1 << 31 << BirthDateCheck::WrongFebruaryDay;
        QTest::newRow("29 February 2100") << 2100 << 1 << 29 << BirthDateCheck::WrongFebruaryDay;
        QTest::newRow("31 April") << 1980 << 3 << 31 << BirthDateCheck::WrongThirtyFirst;
        QTest::newRow("31 June") << 1980 << 5 << 31 << BirthDateCheck::WrongThirtyFirst;
        QTest::newRow("31 September") << 1980 << 8 << 31 << BirthDateCheck::WrongThirtyFirst;
        QTest::newRow("31 November") << 1980 << 10 << 31 << BirthDateCheck::WrongThirtyFirst;
        QTest::newRow("30 April") << 1980 << 3 << 30 << BirthDateCheck::Valid;
        QTest::newRow("31 March") << 1980 << 2 << 31 << BirthDateCheck::Valid;
        QTest::newRow("31 December") << 1980 << 11 << 31 << BirthDateCheck::Valid;
        QTest::newRow("31 January") << 1980 << 0 << 31 << BirthDateCheck::Valid;
    }

    void dateCheck() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(BirthDateCheck, expected);
        QCOMPARE(CheckBirthDate(year, month, day - 1), expected);
    }

    void dateFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("converts");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("15 March 1975") << "15 March 1975" << true << 1975 << 3 << 15;
        QTest::newRow("29 February 2000") << "29 February 2000" << true << 2000 << 2 << 29;
        QTest::newRow("31 December 2050") << "31 December 2050" << true << 2050 << 12 << 31;
        QTest::newRow("29 February 1900 does not exist")
            << "29 February 1900" << false << 0 << 0 << 0;
        QTest::newRow("31 April") << "31 April 1990" << false << 0 << 0 << 0;
        QTest::newRow("lower-case month") << "1 march 1990" << false << 0 << 0 << 0;
        QTest::newRow("missing year") << "1 March" << false << 0 << 0 << 0;
        QTest::newRow("empty") << "" << false << 0 << 0 << 0;
    }

    void dateFromText() {
        QFETCH(QString, text);
        QFETCH(bool, converts);
        const auto date = DateFromText(text.toStdString());
        QCOMPARE(date.has_value(), converts);
        if (converts) {
            QFETCH(int, year);
            QFETCH(int, month);
            QFETCH(int, day);
            QCOMPARE(*date, (CalendarDate{year, month, day}));
        }
    }

    void workedReadings_data() {
        QTest::addColumn<bool>("male");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("storedYear");
        QTest::addColumn<int>("kua");
        const auto row = [](const char* name, bool male, int day, const char* month, int year,
                            const char* storedYear, int kua) {
            QTest::newRow(name) << male << day << QString(month) << year << QString(storedYear)
                                << kua;
        };
        row("male 15 March 1975", true, 15, "March", 1975, "1975", 7);
        row("female 15 March 1975", false, 15, "March", 1975, "1975", 8);
        row("male 10 February 1975", true, 10, "February", 1975, "1974", 8);
        row("female 20 January 1990", false, 20, "January", 1990, "1989", 4);
        row("male 10 January 1975", true, 10, "January", 1975, "1974", 8);
        row("December keeps the year", true, 31, "December", 1975, "1975", 7);
        // The nine-year cycle runs on across the century.
        row("male 1 March 2000", true, 1, "March", 2000, "2000", 9);
        row("female 1 March 2000", false, 1, "March", 2000, "2000", 6);
        row("1 January 2001 uses 2000", true, 1, "January", 2001, "2000", 9);
        row("male 1 March 2005", true, 1, "March", 2005, "2005", 4);
        row("female 1 March 2009", false, 1, "March", 2009, "2009", 6);
        row("male 1 January 1900 uses 1899", true, 1, "January", 1900, "1899", 2);
        row("female February 1900", false, 5, "February", 1900, "1899", 4);
        row("male 31 December 2050", true, 31, "December", 2050, "2050", 4);
    }

    void workedReadings() {
        QFETCH(bool, male);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, storedYear);
        QFETCH(int, kua);
        ReadingRecord record;
        FillReadingRecord(record, DetailsFor("Ann", male, day, month.toStdString(), year));
        QCOMPARE(QString::fromStdString(record.strBirthYear), storedYear);
        QCOMPARE(record.intKuaNumber, kua);
        QCOMPARE(QString::fromStdString(record.strSex), male ? "Male" : "Female");
        QCOMPARE(record.intBirthDay, day);
        QCOMPARE(QString::fromStdString(record.strBirthDay), QString::number(day));
        QCOMPARE(QString::fromStdString(record.strBirthMonth), month);
        // The date keeps the true birth year.
        QVERIFY(record.dtBirthDate.has_value());
        QCOMPARE(record.dtBirthDate->year, year);
        QCOMPARE(record.dtBirthDate->day, day);
    }

    void nameIsTrimmedOfBlanksOnly() {
        ReadingRecord record;
        FillReadingRecord(record, DetailsFor("  Mary Ann  ", true, 1, "March", 1980));
        QCOMPARE(record.strUserName, std::string("Mary Ann"));
        FillReadingRecord(record, DetailsFor("   ", true, 1, "March", 1980));
        QCOMPARE(record.strUserName, std::string());
        FillReadingRecord(record, DetailsFor("\tTab ", true, 1, "March", 1980));
        QCOMPARE(record.strUserName, std::string("\tTab"));
    }

    void unconvertibleDateKeepsThePreviousOne() {
        ReadingRecord record;
        FillReadingRecord(record, DetailsFor("A", false, 29, "February", 1900));
        QVERIFY(!record.dtBirthDate.has_value());
        QCOMPARE(record.strBirthYear, std::string("1899"));
        QCOMPARE(record.intKuaNumber, 4);

        FillReadingRecord(record, DetailsFor("A", true, 15, "March", 1975));
        FillReadingRecord(record, DetailsFor("A", true, 29, "February", 1900));
        QCOMPARE(*record.dtBirthDate, (CalendarDate{1975, 3, 15}));
        QCOMPARE(record.intKuaNumber, 2);
    }

    void placesOutsideTheListsLeaveTheirFields() {
        ReadingRecord record;
        FillReadingRecord(record, DetailsFor("A", true, 15, "March", 1975));
        BirthDetails outside = DetailsFor("A", true, 15, "March", 1975);
        outside.yearIndex = kListedYearCount;
        outside.monthIndex = -1;
        FillReadingRecord(record, outside);
        QCOMPARE(record.strBirthYear, std::string());
        QCOMPARE(record.strBirthMonth, std::string());
        QCOMPARE(*record.dtBirthDate, (CalendarDate{1975, 3, 15}));
        QCOMPARE(record.intKuaNumber, 7);
    }
};

QTEST_APPLESS_MAIN(TestBirthDetails)
#include "test_birth_details.moc"
