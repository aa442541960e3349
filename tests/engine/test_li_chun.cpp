#include "feng_shui_year.h"
#include "table_rows.h"

#include <QDate>
#include <QTest>

using namespace korvane;

Q_DECLARE_METATYPE(LiChunSide)

class TestLiChun : public QObject {
    Q_OBJECT
private slots:
    // The table's own sense: every year from 1899 to 2051, Li Chun on 3, 4 or
    // 5 February, and one tropical year (365.2422 days) from the last within
    // a quarter of an hour. The minutes themselves are held against two
    // calendar libraries by the web tests.
    void everyYearOneTropicalYearApart() {
        QVERIFY(!LiChunOf(FirstLiChunYear() - 1));
        QVERIFY(!LiChunOf(LastLiChunYear() + 1));
        QCOMPARE(FirstLiChunYear(), 1899);
        QCOMPARE(LastLiChunYear(), 2051);
        qint64 previous = 0;
        for (int year = FirstLiChunYear(); year <= LastLiChunYear(); ++year) {
            const auto moment = LiChunOf(year);
            QVERIFY(moment && moment->year == year);
            QVERIFY2(moment->day >= 3 && moment->day <= 5, qPrintable(QString::number(year)));
            const qint64 at = QDate(year, 2, moment->day).toJulianDay() * 24 * 60 +
                              moment->hour * 60 + moment->minute;
            if (previous != 0) {
                const double minutesOff = static_cast<double>(at - previous) - 365.2422 * 24 * 60;
                QVERIFY2(std::abs(minutesOff) < 15, qPrintable(QString::number(year)));
            }
            previous = at;
        }
    }

    // Where a date lies against Li Chun of its year, and the year it counts in.
    void sideOfLiChun_data() {
        Columns<int, int, int, LiChunSide, int>("year", "month", "day", "side", "counted");
        QTest::newRow("1 January") << 1975 << 1 << 1 << LiChunSide::Before << 1974;
        QTest::newRow("the day before") << 1975 << 2 << 3 << LiChunSide::Before << 1974;
        QTest::newRow("the day") << 1975 << 2 << 4 << LiChunSide::OnTheDay << 1975;
        QTest::newRow("the day after") << 1975 << 2 << 5 << LiChunSide::After << 1975;
        QTest::newRow("a 3 February Li Chun") << 2050 << 2 << 3 << LiChunSide::OnTheDay << 2050;
        QTest::newRow("a 5 February Li Chun, the 4th")
            << 1910 << 2 << 4 << LiChunSide::Before << 1909;
        QTest::newRow("28 February") << 1975 << 2 << 28 << LiChunSide::After << 1975;
        QTest::newRow("1 March") << 1975 << 3 << 1 << LiChunSide::After << 1975;
        QTest::newRow("31 December") << 1975 << 12 << 31 << LiChunSide::After << 1975;
    }

    void sideOfLiChun() {
        const auto [year, month, day, side, counted] =
            Fetch<int, int, int, LiChunSide, int>("year", "month", "day", "side", "counted");
        const auto fengShuiYear = FengShuiYearOf({year, static_cast<Month>(month), day});
        QVERIFY(fengShuiYear);
        QCOMPARE(fengShuiYear->side, side);
        QCOMPARE(fengShuiYear->year, counted);
        QCOMPARE(fengShuiYear->liChun, *LiChunOf(year));
        QCOMPARE(fengShuiYear->yearBeforeTheMoment.has_value(), side == LiChunSide::OnTheDay);
        if (fengShuiYear->yearBeforeTheMoment)
            QCOMPARE(*fengShuiYear->yearBeforeTheMoment, year - 1);
    }
};

QTEST_APPLESS_MAIN(TestLiChun)
#include "test_li_chun.moc"
