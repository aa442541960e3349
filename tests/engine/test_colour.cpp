#include "catalogue.h"
#include "colour.h"
#include "colour_catalogue.h"
#include "table_rows.h"

#include <QSet>
#include <QTest>

using namespace korvane;

class TestColour : public QObject {
    Q_OBJECT
private slots:
    void converts_data() {
        Columns<QString, int, int, int>("text", "red", "green", "blue");
        QTest::newRow("violet with 00") << "120,00,120," << 120 << 0 << 120;
        QTest::newRow("black") << "00,00,00," << 0 << 0 << 0;
        QTest::newRow("white") << "255,255,255," << 255 << 255 << 255;
        QTest::newRow("single-zero blue") << "0,0,255," << 0 << 0 << 255;
        QTest::newRow("double-zero blue") << "00,00,255," << 0 << 0 << 255;
        QTest::newRow("no final comma") << "1,2,3" << 1 << 2 << 3;
        QTest::newRow("extra pieces ignored") << "1,2,3,4,x," << 1 << 2 << 3;
        QTest::newRow("leading zeros") << "007,0255,000," << 7 << 255 << 0;
        QTest::newRow("above 255 is clamped") << "300,0,0," << 255 << 0 << 0;
        QTest::newRow("below 0 is clamped") << "-5,0,0," << 0 << 0 << 0;
    }

    void converts() {
        const auto [text, red, green, blue] =
            Fetch<QString, int, int, int>("text", "red", "green", "blue");
        const auto colour = RGBTextToColour(text.toStdString());
        QVERIFY(colour.has_value());
        // Red lies in the lowest byte, blue in the highest.
        QCOMPARE(*colour, static_cast<ColourValue>(red + 256 * green + 65536 * blue));
    }

    // Too few pieces, an empty one, letters, a blank inside a number, other
    // separators, more than 16 bits.
    void refuses() {
        for (const char* text :
             {"", "1,2", "1,2,,", "red,0,0,", "1 2,0,0,", "1;2;3;", "70000,0,0,", ",,,"})
            QVERIFY2(!RGBTextToColour(text).has_value(), text);
    }

    void catalogueConvertsAndIsDistinct() {
        const auto catalogue = ColourCatalogue();
        QSet<QString> names;
        for (const auto& entry : catalogue) {
            const std::string_view name = EnglishText(entry.name);
            QVERIFY2(RGBTextToColour(entry.rgbText).has_value(), name.data());
            names.insert(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        }
        QCOMPARE(names.size(), kCatalogueSize);
        QCOMPARE(EnglishText(catalogue[7].name), std::string_view("White"));
        QCOMPARE(EnglishText(catalogue[13].name), std::string_view("Black"));
        QCOMPARE(*RGBTextToColour(catalogue[8].rgbText), MakeColour(255, 50, 120));
        QCOMPARE(*RGBTextToColour(catalogue[9].rgbText), MakeColour(128, 128, 0));
        QCOMPARE(*RGBTextToColour(catalogue[10].rgbText), MakeColour(200, 120, 40));
        QCOMPARE(*RGBTextToColour(catalogue[14].rgbText), MakeColour(40, 180, 180));
    }
};

QTEST_APPLESS_MAIN(TestColour)
#include "test_colour.moc"
