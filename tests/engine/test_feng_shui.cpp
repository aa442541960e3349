#include "catalogue.h"
#include "feng_shui.h"
#include "kua_number.h"
#include "table_rows.h"

#include <QTest>

using namespace korvane;

namespace {

QStringList NamesOf(const PurposeColours& colours) {
    QStringList names;
    for (const PurposeColour& colour : colours) {
        const auto name = colour.name ? EnglishText(*colour.name) : std::string_view();
        names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    return names;
}

} // namespace

class TestFengShui : public QObject {
    Q_OBJECT
private slots:
    void kuaNumber_data() {
        Columns<int, bool, int>("year", "male", "expected");
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
        for (const auto& [year, male, expected] : {std::tuple{2000, true, 9},
                                                   {2000, false, 6},
                                                   {2005, true, 4},
                                                   {2009, false, 6},
                                                   {1899, true, 2},
                                                   {1975, true, 7},
                                                   {1989, false, 4}})
            QTest::addRow("example %d %s", year, male ? "male" : "female")
                << year << male << expected;
    }

    void kuaNumber() {
        const auto [year, male, expected] = Fetch<int, bool, int>("year", "male", "expected");
        QCOMPARE(GetKuaNumber(year, male ? Sex::Male : Sex::Female), expected);
    }

    void colourNamesForEachKua_data() {
        Columns<int, bool, QStringList>("kua", "male", "colours");
        const QStringList kua2 = {"Beige", "Gold", "White", "Coral"};
        const QStringList kua8 = {"Coral", "White", "Gold", "Beige"};
        for (const bool male : {true, false}) {
            const char* sex = male ? "man" : "woman";
            const auto row = [&](int kua, const QStringList& colours) {
                QTest::addRow("%d %s", kua, sex) << kua << male << colours;
            };
            row(1, {"Brown", "Maroon", "Red", "Blue"});
            row(2, kua2);
            row(3, {"Red", "Blue", "Brown", "Maroon"});
            row(4, {"Blue", "Red", "Maroon", "Brown"});
            row(6, {"Gold", "Beige", "Coral", "White"});
            row(7, {"White", "Coral", "Beige", "Gold"});
            row(8, kua8);
            row(9, {"Maroon", "Brown", "Blue", "Red"});
        }
        // Kua 5 has no directions of its own: a man's takes Kua 2's, a
        // woman's Kua 8's.
        QTest::newRow("5 man as 2") << 5 << true << kua2;
        QTest::newRow("5 woman as 8") << 5 << false << kua8;
        // Outside 1 to 9 there are no directions: every purpose is empty.
        for (const int kua : {0, 10, -1})
            QTest::addRow("%d has none", kua) << kua << true << QStringList{"", "", "", ""};
    }

    void colourNamesForEachKua() {
        const auto [kua, male, colours] = Fetch<int, bool, QStringList>("kua", "male", "colours");
        const PurposeColours reading = FengShuiReading(kua, male ? Sex::Male : Sex::Female);
        QCOMPARE(NamesOf(reading), colours);
        for (const PurposeColour& purpose : reading)
            QCOMPARE(purpose.swatch.has_value(), purpose.name.has_value());
    }

    void kuaOneSwatches() {
        const PurposeColours reading = FengShuiReading(1, Sex::Female);
        const ColourValue expected[] = {MakeColour(128, 0, 0), MakeColour(180, 50, 100),
                                        MakeColour(255, 0, 0), MakeColour(0, 0, 255)};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(reading[i].swatch, std::optional(expected[i]));
    }

    void directionMatchingIsExact_data() {
        // An empty name: no match.
        Columns<QString, QString, QString>("direction", "name", "rgb");
        const auto row = [](const char* direction, const char* name, const char* rgb) {
            QTest::addRow("'%s'", direction) << direction << name << rgb;
        };
        row("North East", "Beige", "255,200,150,");
        row("North", "Blue", "0,0,255,");
        row("East", "Maroon", "180,50,100,");
        for (const char* miss : {"north east", "NorthEast", "North ", ""})
            row(miss, "", "");
    }

    void directionMatchingIsExact() {
        const auto [direction, name, rgb] =
            Fetch<QString, QString, QString>("direction", "name", "rgb");
        const auto colour = GetDirectionColour(direction.toStdString());
        QCOMPARE(colour.has_value(), !name.isEmpty());
        if (colour) {
            QCOMPARE(QString::fromUtf8(EnglishText(colour->colourName).data()), name);
            QCOMPARE(QString::fromUtf8(colour->rgbText.data(), colour->rgbText.size()), rgb);
        }
    }
};

QTEST_APPLESS_MAIN(TestFengShui)
#include "test_feng_shui.moc"
