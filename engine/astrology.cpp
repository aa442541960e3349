#include "astrology.h"

#include "colour_catalogue.h"
#include "reading_texts.h"

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
    std::string_view month;
    int threshold;   // last day of the first sign in this month
    Sign firstSign;  // the sign up to and including the threshold
    Sign secondSign; // the sign after it
};

// Rows in the order they are compared; the last one takes every other text.
constexpr std::array<MonthRow, 12> kMonthRows = {{
    {"January", 19, Capricorn, Aquarius},
    {"February", 18, Aquarius, Pisces},
    {"March", 20, Pisces, Aries},
    {"April", 20, Aries, Taurus},
    {"May", 20, Taurus, Gemini},
    {"June", 20, Gemini, Cancer},
    {"July", 20, Cancer, Leo},
    {"August", 21, Leo, Virgo},
    {"September", 23, Virgo, Libra},
    {"October", 23, Libra, Scorpio},
    {"November", 22, Scorpio, Sagittarius},
    {"December", 20, Sagittarius, Capricorn},
}};

std::size_t MonthRowIndex(std::string_view monthName) {
    for (std::size_t i = 0; i + 1 < kMonthRows.size(); ++i) {
        if (kMonthRows[i].month == monthName)
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
        {"Aries", "Mars"},
        {"Taurus", "Venus"},
        {"Gemini", "Mercury"},
        {"Cancer", "Moon"},
        {"Leo", "Sun"},
        {"Virgo", "Mercury"},
        {"Libra", "Venus"},
        {"Scorpio", "Mars"},
        {"Sagittarius", "Jupiter"},
        {"Capricorn", "Saturn"},
        {"Aquarius", "Saturn"},
        {"Pisces", "Jupiter"},
    }};
    return kSigns;
}

std::string_view SunSignDescription(int signIndex) {
    static const std::array<std::string, kSignCount> descriptions = [] {
        std::array<std::string, kSignCount> joined;
        for (int sign = 0; sign < kSignCount; ++sign) {
            for (const auto paragraph : SignParagraphs()[sign]) {
                if (!joined[sign].empty())
                    joined[sign] += "\r\n\r\n";
                joined[sign] += paragraph;
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

    record.strSunSign = sign.name;
    record.strSunSignDesc = SunSignDescription(choice.signIndex);
    record.strRulingPlanet = sign.rulingPlanet;
    record.strCarColour = colour.name;
    record.strCarColourDesc = colour.description;

    display.SetCarColour(record.strCarColour);
    display.SetCarColourDescription(record.strCarColourDesc);
    display.SetKuaNumber(std::to_string(record.intKuaNumber));
    display.SetRulingPlanet(record.strRulingPlanet);
    display.SetSunSign(record.strSunSign);
    display.SetSunSignDescription(record.strSunSignDesc);
    // A colour that does not convert leaves the swatch as it was.
    if (const auto swatch = CatalogueSwatches()[choice.catalogueIndex])
        display.SetCarColourSwatch(*swatch);
}

} // namespace korvane
