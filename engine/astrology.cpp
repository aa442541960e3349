#include "astrology.h"

#include "colour_catalogue.h"
#include "reading_texts.h"

#include <optional>

namespace korvane {
namespace {

struct MonthRow {
    std::string_view month;
    int threshold;  // last day of the first sign in this month
    int firstSign;  // the sign up to and including the threshold
    int secondSign; // the sign after it
};

// Rows in the order they are compared; the last one takes every other text.
constexpr std::array<MonthRow, 12> kMonthRows = {{
    {"January", 19, 9, 10},
    {"February", 18, 10, 11},
    {"March", 20, 11, 0},
    {"April", 20, 0, 1},
    {"May", 20, 1, 2},
    {"June", 20, 2, 3},
    {"July", 20, 3, 4},
    {"August", 21, 4, 5},
    {"September", 23, 5, 6},
    {"October", 23, 6, 7},
    {"November", 22, 7, 8},
    {"December", 20, 8, 9},
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
