#include "astrology.h"
#include "catalogue.h"
#include "colour_catalogue.h"
#include "feng_shui.h"
#include "reading_for.h"

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

QString Chinese(TextId id) {
    const auto all = Catalogues();
    const auto zh =
        std::find_if(all.begin(), all.end(), [](const Catalogue& c) { return c.code == "zh_CN"; });
    return QString::fromUtf8(Text(id, static_cast<int>(zh - all.begin())).data());
}

} // namespace

class TestFiveElements : public QObject {
    Q_OBJECT
private slots:
    // Years of the sixty-year cycle by their stem, branch and Na Yin, as the
    // Chinese calendar names them.
    void cycleYears_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("nayin");
        const struct {
            int year;
            const char *name, *nayin;
        } rows[] = {{1984, "甲子", "海中金"}, {1985, "乙丑", "海中金"}, {1975, "乙卯", "大溪水"},
                    {1974, "甲寅", "大溪水"}, {1899, "己亥", "平地木"}, {1900, "庚子", "壁上土"},
                    {2000, "庚辰", "白蜡金"}, {2043, "癸亥", "大海水"}, {2051, "辛未", "路旁土"}};
        for (const auto& row : rows)
            QTest::addRow("%d", row.year) << row.year << QString(row.name) << QString(row.nayin);
    }

    void cycleYears() {
        QFETCH(int, year);
        QFETCH(QString, name);
        QFETCH(QString, nayin);
        const CycleYear cycle = CycleYearOf(year);
        QCOMPARE(Chinese(StemCharacter(cycle.stem)) + Chinese(BranchCharacter(cycle.branch)), name);
        QCOMPARE(Chinese(NayinName(cycle.nayin)), nayin);
    }

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
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("suit");
        QTest::addColumn<QString>("avoid");
        const auto row = [](const char* tag, int year, const char* suit, const char* avoid) {
            QTest::newRow(tag) << year << QString(suit) << QString(avoid);
        };
        row("1985, Metal", 1985, "White,Silver,Gray,Yellow,Earth Brown,Beige", "Red,Pink,Purple");
        row("1975, Water", 1975, "Black,Blue,White,Silver,Gray", "Yellow,Earth Brown,Beige");
        row("1987, Fire", 1987, "Red,Pink,Purple,Green", "Black,Blue");
        row("1990, Earth", 1990, "Yellow,Earth Brown,Beige,Red,Pink,Purple", "Green");
        row("1988, Wood", 1988, "Green,Black,Blue", "White,Silver,Gray");
    }

    void coloursOfEachElement() {
        QFETCH(int, year);
        QFETCH(QString, suit);
        QFETCH(QString, avoid);
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
