#include "feng_shui.h"

#include "catalogue.h"

#include <array>
#include <optional>

namespace korvane {
namespace {

using Directions = std::array<std::string_view, 4>;

// Per Kua number 1 to 9: the directions for success, health, relationships
// and personal development. Kua 5 shares the directions of Kua 2.
constexpr std::array<Directions, 9> kKuaDirectionTable = {{
    {"South East", "East", "South", "North"},
    {"North East", "West", "North West", "South West"},
    {"South", "North", "South East", "East"},
    {"North", "South", "East", "South East"},
    {"North East", "West", "North West", "South West"},
    {"West", "North East", "South West", "North West"},
    {"North West", "South West", "North East", "West"},
    {"South West", "North West", "West", "North East"},
    {"East", "South East", "North", "South"},
}};

struct DirectionColour {
    std::string_view direction;
    TextId colourName;
    std::string_view rgbText;
};

constexpr std::array<DirectionColour, 8> kDirectionColourTable = {{
    {"North", TextId::ColourBlue, "0,0,255,"},
    {"North West", TextId::ColourWhite, "255,255,255,"},
    {"South", TextId::ColourRed, "255,0,0,"},
    {"South East", TextId::ColourBrown, "128,0,0,"},
    {"North East", TextId::ColourBeige, "255,200,150,"},
    {"South West", TextId::ColourCoral, "255,120,80,"},
    {"West", TextId::ColourGold, "255,215,0,"},
    {"East", TextId::ColourMaroon, "180,50,100,"},
}};

constexpr std::array<Purpose, 4> kPurposes = {Purpose::Success, Purpose::Health,
                                              Purpose::Relationships, Purpose::PersonalDevelopment};

constexpr int kNoRow = -1;

// The row of the direction colour table for a direction; exact and
// case-sensitive. The directions are unique, so at most one row matches.
int DirectionRow(std::string_view direction) {
    int match = kNoRow;
    for (int row = 0; row < static_cast<int>(kDirectionColourTable.size()); ++row) {
        if (kDirectionColourTable[row].direction == direction)
            match = row;
    }
    return match;
}

// The swatch of each row of the direction colour table: the table is
// constant, so its RGB texts are converted once, not on every reading.
std::optional<ColourValue> SwatchOf(std::string_view direction) {
    static const auto swatches = [] {
        std::array<std::optional<ColourValue>, kDirectionColourTable.size()> converted;
        for (std::size_t row = 0; row < kDirectionColourTable.size(); ++row)
            converted[row] = RGBTextToColour(kDirectionColourTable[row].rgbText);
        return converted;
    }();
    const int row = DirectionRow(direction);
    return row == kNoRow ? std::nullopt : swatches[static_cast<std::size_t>(row)];
}

} // namespace

void GetDirectionColour(ReadingRecord& record, std::string_view direction) {
    for (auto& element : record.strColourPair)
        element.clear();
    const int row = DirectionRow(direction);
    if (row == kNoRow)
        return;
    record.strColourPair[0] = EnglishText(kDirectionColourTable[row].colourName);
    record.strColourPair[1] = kDirectionColourTable[row].rgbText;
}

void FengShuiReading(std::int16_t kuaNumber, ReadingRecord& record, FengShuiDisplay& display) {
    // An unknown Kua number has no directions: every name empties and the
    // swatches stay as they were.
    const bool known = kuaNumber >= 1 && kuaNumber <= 9;
    for (std::size_t i = 0; i < kPurposes.size(); ++i) {
        const std::string_view direction =
            known ? kKuaDirectionTable[kuaNumber - 1][i] : std::string_view();
        GetDirectionColour(record, direction);
        const int row = DirectionRow(direction);
        display.SetPurposeColourName(
            kPurposes[i],
            row == kNoRow ? std::nullopt : std::optional(kDirectionColourTable[row].colourName));
        // The swatch is the colour of strColourPair's RGB text.
        if (const auto swatch = SwatchOf(direction))
            display.SetPurposeSwatch(kPurposes[i], *swatch);
    }
}

} // namespace korvane
