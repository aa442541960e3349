#include "astrology.h"
#include "catalogue.h"
#include "colour_catalogue.h"
#include "feng_shui.h"
#include "reading_for.h"
#include "table_rows.h"

#include <QTest>

#include <algorithm>
#include <map>

using namespace korvane;

namespace {

constexpr Element kElements[] = {Element::Metal, Element::Water, Element::Wood, Element::Fire,
                                 Element::Earth};

QString Names(const std::vector<ElementColour>& colours) {
    QStringList names;
    for (const ElementColour& colour : colours)
        names << QString::fromUtf8(EnglishText(colour.name).data());
    return names.join(QLatin1Char(','));
}

} // namespace

class TestFiveElements : public QObject {
    Q_OBJECT
private slots:
    // The years' stems, branches and Na Yin are the web tests' calendar
    // check, for every year against two calendar libraries.

    // Producing: Earth -> Metal -> Water -> Wood -> Fire -> Earth; an
    // element is overcome by the producer of its producer.
    void producingAndOvercoming() {
        // kElements runs Metal, Water, Wood, Fire, Earth: each produces the next.
        for (int i = 0; i < 5; ++i) {
            const Element e = kElements[i];
            QCOMPARE(ProducerOf(e), kElements[(i + 4) % 5]);
            QCOMPARE(OvercomerOf(e), kElements[(i + 3) % 5]);
        }
    }

    // Colours to choose: the element's own and its producer's; to avoid: the
    // overcomer's.
    void coloursOfEachElement_data() {
        Columns<int, QString, QString>("year", "suit", "avoid");
        Row("1985, Metal", 1985, "White,Silver,Gray,Yellow,Earth Brown,Beige", "Red,Pink,Purple");
        Row("1975, Water", 1975, "Black,Blue,White,Silver,Gray", "Yellow,Earth Brown,Beige");
        Row("1987, Fire", 1987, "Red,Pink,Purple,Green", "Black,Blue");
        Row("1990, Earth", 1990, "Yellow,Earth Brown,Beige,Red,Pink,Purple", "Green");
        Row("1988, Wood", 1988, "Green,Black,Blue", "White,Silver,Gray");
    }

    void coloursOfEachElement() {
        const auto [year, suit, avoid] = Fetch<int, QString, QString>("year", "suit", "avoid");
        const ElementsReading reading = ElementsReadingFor(year);
        QCOMPARE(Names(reading.suit), suit);
        QCOMPARE(Names(reading.avoid), avoid);
    }

    // A colour name shows one swatch throughout the program: the element
    // reading's colours look as the other readings show the same names
    // (both other readings give "Brown" and "Gold" shades of their own).
    void oneSwatchPerColourName() {
        std::map<TextId, ColourValue> shown;
        for (const auto& colour : ColourCatalogue())
            shown[colour.name] = *RGBTextToColour(colour.rgbText);
        for (const char* direction : {"North", "North West", "South", "South East", "North East",
                                      "South West", "West", "East"}) {
            const auto colour = GetDirectionColour(direction);
            shown.try_emplace(colour->colourName, *RGBTextToColour(colour->rgbText));
        }
        int compared = 0;
        for (const Element element : kElements) {
            for (const ElementColour& colour : ColoursOf(element)) {
                QVERIFY(colour.name != TextId::ColourBrown && colour.name != TextId::ColourGold);
                if (const auto found = shown.find(colour.name); found != shown.end()) {
                    QCOMPARE(colour.swatch, found->second);
                    ++compared;
                }
            }
        }
        QCOMPARE(compared, 8); // all but silver, gray, purple and earth brown
    }
};

QTEST_APPLESS_MAIN(TestFiveElements)
#include "test_five_elements.moc"
