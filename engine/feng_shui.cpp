#include "feng_shui.h"

#include <array>

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

} // namespace

void GetDirectionColour(ReadingRecord& record, std::string_view direction) {
    for (auto& element : record.strColourPair)
        element.clear();
    for (const auto& row : kDirectionColourTable) {
        if (row.direction == direction) {
            record.strColourPair[0] = row.colourName;
            record.strColourPair[1] = row.rgbText;
        }
    }
}

void FengShuiReading(std::int16_t kuaNumber, ReadingRecord& record, FengShuiDisplay& display) {
    Directions directions{};
    if (kuaNumber >= 1 && kuaNumber <= 9)
        directions = kKuaDirectionTable[kuaNumber - 1];

    for (std::size_t i = 0; i < kPurposes.size(); ++i) {
        GetDirectionColour(record, directions[i]);
        display.SetPurposeColourName(kPurposes[i], record.strColourPair[0]);
        // A colour that does not convert leaves the swatch as it was.
        if (const auto colour = RGBTextToColour(record.strColourPair[1]))
            display.SetPurposeSwatch(kPurposes[i], *colour);
    }
}

} // namespace korvane
