#include "feng_shui.h"

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
    std::string_view colourName;
    std::string_view rgbText;
};

constexpr std::array<DirectionColour, 8> kDirectionColourTable = {{
    {"North", "Blue", "0,0,255,"},
    {"North West", "White", "255,255,255,"},
    {"South", "Red", "255,0,0,"},
    {"South East", "Brown", "128,0,0,"},
    {"North East", "Beige", "255,200,150,"},
    {"South West", "Coral", "255,120,80,"},
    {"West", "Gold", "255,215,0,"},
    {"East", "Maroon", "180,50,100,"},
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

void TakeRowColour(ReadingRecord& record, int row) {
    for (auto& element : record.strColourPair)
        element.clear();
    if (row == kNoRow)
        return;
    record.strColourPair[0] = kDirectionColourTable[row].colourName;
    record.strColourPair[1] = kDirectionColourTable[row].rgbText;
}

// The tables are constant, so each Kua number's rows and each row's swatch
// are worked out once rather than on every reading.
struct ResolvedTables {
    std::array<std::array<int, 4>, 9> kuaRows{};
    std::array<std::optional<ColourValue>, 8> swatches{};
};

const ResolvedTables& Resolved() {
    static const ResolvedTables tables = [] {
        ResolvedTables resolved;
        for (std::size_t kua = 0; kua < kKuaDirectionTable.size(); ++kua) {
            for (std::size_t purpose = 0; purpose < 4; ++purpose)
                resolved.kuaRows[kua][purpose] = DirectionRow(kKuaDirectionTable[kua][purpose]);
        }
        for (std::size_t row = 0; row < kDirectionColourTable.size(); ++row)
            resolved.swatches[row] = RGBTextToColour(kDirectionColourTable[row].rgbText);
        return resolved;
    }();
    return tables;
}

} // namespace

void GetDirectionColour(ReadingRecord& record, std::string_view direction) {
    TakeRowColour(record, DirectionRow(direction));
}

void FengShuiReading(std::int16_t kuaNumber, ReadingRecord& record, FengShuiDisplay& display) {
    const ResolvedTables& tables = Resolved();
    const bool known = kuaNumber >= 1 && kuaNumber <= 9;

    for (std::size_t i = 0; i < kPurposes.size(); ++i) {
        // An unknown Kua number has no directions, so no row and no colour:
        // the name empties and the swatch stays as it was.
        const int row = known ? tables.kuaRows[kuaNumber - 1][i] : kNoRow;
        TakeRowColour(record, row);
        display.SetPurposeColourName(kPurposes[i], record.strColourPair[0]);
        if (row != kNoRow && tables.swatches[row])
            display.SetPurposeSwatch(kPurposes[i], *tables.swatches[row]);
    }
}

} // namespace korvane
