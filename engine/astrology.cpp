#include "astrology.h"

#include "catalogue.h"
#include "colour_catalogue.h"
#include "month_names.h"

#include <optional>

namespace korvane {
namespace {

// The signs by their place in SunSigns().
enum Sign : int {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces,
};

struct MonthRow {
    int month;       // place in the month list
    int threshold;   // last day of the first sign in this month
    Sign firstSign;  // the sign up to and including the threshold
    Sign secondSign; // the sign after it
};

// Rows in the order they are compared; the last one takes every other text.
constexpr std::array<MonthRow, 12> kMonthRows = {{
    {0, 19, Capricorn, Aquarius},
    {1, 18, Aquarius, Pisces},
    {2, 20, Pisces, Aries},
    {3, 20, Aries, Taurus},
    {4, 20, Taurus, Gemini},
    {5, 20, Gemini, Cancer},
    {6, 20, Cancer, Leo},
    {7, 21, Leo, Virgo},
    {8, 23, Virgo, Libra},
    {9, 23, Libra, Scorpio},
    {10, 22, Scorpio, Sagittarius},
    {11, 20, Sagittarius, Capricorn},
}};

std::size_t MonthRowIndex(std::string_view monthName) {
    for (std::size_t i = 0; i + 1 < kMonthRows.size(); ++i) {
        if (EnglishText(kMonthTextIds[kMonthRows[i].month]) == monthName)
            return i;
    }
    return kMonthRows.size() - 1;
}

// The catalogue's swatches, converted from their RGB texts once.
const std::array<std::optional<ColourValue>, kCatalogueSize>& CatalogueSwatches() {
    static const auto swatches = [] {
        std::array<std::optional<ColourValue>, kCatalogueSize> converted;
        for (int i = 0; i < kCatalogueSize; ++i)
            converted[i] = RGBTextToColour(ColourCatalogue()[i].rgbText);
        return converted;
    }();
    return swatches;
}

} // namespace

const std::array<SunSign, kSignCount>& SunSigns() {
    static constexpr std::array<SunSign, kSignCount> kSigns = {{
        {TextId::SignAries, TextId::PlanetMars, TextId::SignAriesText},
        {TextId::SignTaurus, TextId::PlanetVenus, TextId::SignTaurusText},
        {TextId::SignGemini, TextId::PlanetMercury, TextId::SignGeminiText},
        {TextId::SignCancer, TextId::PlanetMoon, TextId::SignCancerText},
        {TextId::SignLeo, TextId::PlanetSun, TextId::SignLeoText},
        {TextId::SignVirgo, TextId::PlanetMercury, TextId::SignVirgoText},
        {TextId::SignLibra, TextId::PlanetVenus, TextId::SignLibraText},
        {TextId::SignScorpio, TextId::PlanetMars, TextId::SignScorpioText},
        {TextId::SignSagittarius, TextId::PlanetJupiter, TextId::SignSagittariusText},
        {TextId::SignCapricorn, TextId::PlanetSaturn, TextId::SignCapricornText},
        {TextId::SignAquarius, TextId::PlanetSaturn, TextId::SignAquariusText},
        {TextId::SignPisces, TextId::PlanetJupiter, TextId::SignPiscesText},
    }};
    return kSigns;
}

std::string_view SunSignDescription(int signIndex) {
    // The catalogue parts paragraphs by an empty line; the record keeps
    // Windows' line breaks, CR LF.
    static const std::array<std::string, kSignCount> descriptions = [] {
        std::array<std::string, kSignCount> joined;
        for (int sign = 0; sign < kSignCount; ++sign) {
            for (const char c : EnglishText(SunSigns()[sign].text)) {
                if (c == '\n')
                    joined[sign] += '\r';
                joined[sign] += c;
            }
        }
        return joined;
    }();
    return descriptions.at(signIndex);
}

AstrologyChoice ChooseSignAndColour(int birthDay, std::string_view monthName) {
    const auto row = MonthRowIndex(monthName);
    const bool secondHalf = birthDay > kMonthRows[row].threshold;
    // The colour follows the half-month: the 24 half-months walk through the
    // catalogue in order, wrapping around.
    const int halfMonth = static_cast<int>(2 * row) + (secondHalf ? 1 : 0);
    return {secondHalf ? kMonthRows[row].secondSign : kMonthRows[row].firstSign,
            halfMonth % kCatalogueSize};
}

void AstrologyReading(ReadingRecord& record, AstrologyDisplay& display) {
    const auto choice = ChooseSignAndColour(record.intBirthDay, record.strBirthMonth);
    const auto& sign = SunSigns()[choice.signIndex];
    const auto& colour = ColourCatalogue()[choice.catalogueIndex];

    record.strSunSign = EnglishText(sign.name);
    record.strSunSignDesc = SunSignDescription(choice.signIndex);
    record.strRulingPlanet = EnglishText(sign.rulingPlanet);
    record.strCarColour = EnglishText(colour.name);
    record.strCarColourDesc = EnglishText(colour.description);

    display.SetCarColour(colour.name);
    display.SetCarColourDescription(colour.description);
    display.SetKuaNumber(std::to_string(record.intKuaNumber));
    display.SetRulingPlanet(sign.rulingPlanet);
    display.SetSunSign(sign.name);
    display.SetSunSignDescription(sign.text);
    // A colour that does not convert leaves the swatch as it was.
    if (const auto swatch = CatalogueSwatches()[choice.catalogueIndex])
        display.SetCarColourSwatch(*swatch);
}

} // namespace korvane
