#include "astrology.h"

#include "catalogue.h"
#include "colour_catalogue.h"

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
    int threshold;   // last day of the first sign in this month
    Sign firstSign;  // the sign up to and including the threshold
    Sign secondSign; // the sign after it
};

// One row per month, January first.
constexpr std::array<MonthRow, 12> kMonthRows = {{
    {19, Capricorn, Aquarius},
    {18, Aquarius, Pisces},
    {20, Pisces, Aries},
    {20, Aries, Taurus},
    {20, Taurus, Gemini},
    {20, Gemini, Cancer},
    {20, Cancer, Leo},
    {21, Leo, Virgo},
    {23, Virgo, Libra},
    {23, Libra, Scorpio},
    {22, Scorpio, Sagittarius},
    {20, Sagittarius, Capricorn},
}};

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

AstrologyChoice ChooseSignAndColour(int birthDay, Month month) {
    const auto row = static_cast<std::size_t>(MonthNumber(month) - 1);
    const bool secondHalf = birthDay > kMonthRows[row].threshold;
    // The colour follows the half-month: the 24 half-months walk through the
    // catalogue in order, wrapping around.
    const int halfMonth = static_cast<int>(2 * row) + (secondHalf ? 1 : 0);
    return {secondHalf ? kMonthRows[row].secondSign : kMonthRows[row].firstSign,
            halfMonth % kCatalogueSize};
}

AstrologyResult AstrologyReading(int birthDay, Month month) {
    const auto choice = ChooseSignAndColour(birthDay, month);
    const auto& sign = SunSigns()[choice.signIndex];
    const auto& colour = ColourCatalogue()[choice.catalogueIndex];
    return {sign.name,   sign.rulingPlanet,  sign.text,
            colour.name, colour.description, CatalogueSwatches()[choice.catalogueIndex]};
}

} // namespace korvane
