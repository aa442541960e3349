#include "astrology.h"
#include "catalogue.h"
#include "colour_catalogue.h"
#include "sign_ranges.h"
#include "table_rows.h"

#include <QTest>

using namespace korvane;

namespace {

// The colours of the 24 half-months, January's first half first.
const char* const kHalfMonthColours[24] = {
    "Violet",   "Indigo", "Blue",  "Green",  "Yellow", "Orange", "Red",       "White",
    "Lavender", "Gold",   "Peach", "Pink",   "Brown",  "Black",  "Turquoise", "Violet",
    "Indigo",   "Blue",   "Green", "Yellow", "Orange", "Red",    "White",     "Lavender"};

QString Str(std::string_view text) {
    return QString::fromUtf8(text.data(), text.size());
}

} // namespace

class TestAstrology : public QObject {
    Q_OBJECT
private slots:
    void everyDayOfTheYear() {
        const int daysInMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        const auto catalogue = ColourCatalogue();
        for (int month = 1; month <= 12; ++month) {
            const SignRange& firstOfMonth = SignRangeOn(month, 1);
            for (int day = 1; day <= daysInMonth[month - 1]; ++day) {
                const SignRange& expected = SignRangeOn(month, day);
                const bool secondHalf = &expected != &firstOfMonth;
                const auto choice = ChooseSignAndColour(day, static_cast<Month>(month));
                const QByteArray where = QByteArray::number(day) + "/" + QByteArray::number(month);
                QVERIFY2(Str(EnglishText(SunSigns()[choice.signIndex].name)) == expected.sign,
                         where);
                QVERIFY2(Str(EnglishText(SunSigns()[choice.signIndex].rulingPlanet)) ==
                             expected.planet,
                         where);
                const char* colour = kHalfMonthColours[2 * (month - 1) + (secondHalf ? 1 : 0)];
                QVERIFY2(Str(EnglishText(catalogue[choice.catalogueIndex].name)) == colour, where);
            }
        }
    }

    // Days beyond the calendar, as the rule is written (the days of the
    // calendar are everyDayOfTheYear's).
    void beyondTheCalendar_data() {
        Columns<int, int, QString, QString>("day", "month", "sign", "colour");
        Row("30 February falls to the second sign", 30, 2, "Pisces", "Green");
        Row("day 0 falls to the first sign", 0, 3, "Pisces", "Yellow");
    }

    void beyondTheCalendar() {
        const auto [day, month, sign, colour] =
            Fetch<int, int, QString, QString>("day", "month", "sign", "colour");
        const AstrologyResult result = AstrologyReading(day, static_cast<Month>(month));
        QCOMPARE(Str(EnglishText(result.sunSign)), sign);
        QCOMPARE(Str(EnglishText(result.carColour)), colour);
    }

    // The reading brings the sign's planet and text, and the colour's
    // description and swatch, with the sign and colour it chose.
    void readingBringsItsTexts() {
        const AstrologyResult result = AstrologyReading(25, Month::July);
        QCOMPARE(result.sunSign, TextId::SignLeo);
        QCOMPARE(result.rulingPlanet, TextId::PlanetSun);
        QCOMPARE(result.sunSignText, TextId::SignLeoText);
        QCOMPARE(result.carColour, TextId::ColourBlack);
        QCOMPARE(result.carColourText, TextId::ColourBlackText);
        QCOMPARE(result.carColourSwatch, std::optional<ColourValue>(MakeColour(0, 0, 0)));
    }

    // The sign texts and colour descriptions, paragraphs parted by an empty line.
    void signTexts_data() {
        Columns<int, int, QString>("index", "paragraphs", "opening");
        const std::pair<int, const char*> rows[12] = {
            {1, "Arians are typically pioneers"},
            {4, "As the second sign of the zodiac"},
            {5, "The one thing, which strikes you"},
            {4, "Cancer is the fourth sign of the zodiac"},
            {5, "Of all the zodiac signs, Leos"},
            {4, "Virgo is represented by the Virgin"},
            {5, "Libra is the only sign of the zodiac"},
            {4, "Children are taught, often at a very young age"},
            {4, "Persons belonging to the sun sign Sagittarius"},
            {3, "Part of the tenth sign of the zodiac"},
            {4, "If you meet a person"},
            {5, "The typical Pisces individual"},
        };
        for (int i = 0; i < 12; ++i) {
            QTest::newRow(EnglishText(SunSigns()[i].name).data())
                << i << rows[i].first << QString::fromLatin1(rows[i].second);
        }
    }

    void signTexts() {
        const auto [index, paragraphs, opening] =
            Fetch<int, int, QString>("index", "paragraphs", "opening");
        const QString text = Str(EnglishText(SunSigns()[index].text));
        QVERIFY(text.startsWith(opening));
        const QStringList parts = text.split(QStringLiteral("\n\n"));
        QCOMPARE(parts.size(), paragraphs);
        for (const QString& part : parts) {
            // Nothing but the separators breaks a line, and no paragraph is
            // empty or padded.
            QVERIFY(!part.isEmpty());
            QVERIFY(!part.contains(QLatin1Char('\r')) && !part.contains(QLatin1Char('\n')));
            QCOMPARE(part.trimmed(), part);
        }
    }

    void colourDescriptions_data() {
        Columns<int, QString>("index", "opening");
        const char* openings[15] = {"Violet is such a color",
                                    "Indigo is said to affect",
                                    "Blue is said to be the color",
                                    "If seen from a positive perspective, Green",
                                    "Yellow symbolizes intelligence",
                                    "Orange is the color of the Sun",
                                    "Red is such a color",
                                    "White signifies purity",
                                    "Because of its rarity lavender",
                                    "Gold symbolizes honor and devotion",
                                    "Peach is also a member of the orange family",
                                    "Pink is the color, which represents creativity",
                                    "As it is known to all of us, that Brown",
                                    "This is the color, which indicates strong-will",
                                    "Turquoise is a color that is very popular"};
        const auto catalogue = ColourCatalogue();
        for (int i = 0; i < 15; ++i)
            QTest::newRow(EnglishText(catalogue[i].name).data())
                << i << QString::fromLatin1(openings[i]);
    }

    void colourDescriptions() {
        const auto [index, opening] = Fetch<int, QString>("index", "opening");
        const QString text = Str(EnglishText(ColourCatalogue()[index].description));
        QVERIFY(text.startsWith(opening));
        QVERIFY(!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')));
        QCOMPARE(text.trimmed(), text);
    }
};

QTEST_APPLESS_MAIN(TestAstrology)
#include "test_astrology.moc"
