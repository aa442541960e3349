#include "feng_shui.h"

namespace korvane {
namespace {

using Directions = std::array<std::string_view, 4>;

// Per Kua number 1 to 9: the directions for success, health, relationships
// and personal development. Kua 5 stands in the table as Kua 2; a woman's
// Kua 5 is taken to Kua 8 before the lookup (DirectionsKua).
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

constexpr std::array<std::pair<std::string_view, DirectionColour>, 8> kDirectionColourTable = {{
    {"North", {TextId::ColourBlue, "0,0,255,"}},
    {"North West", {TextId::ColourWhite, "255,255,255,"}},
    {"South", {TextId::ColourRed, "255,0,0,"}},
    {"South East", {TextId::ColourBrown, "128,0,0,"}},
    {"North East", {TextId::ColourBeige, "255,200,150,"}},
    {"South West", {TextId::ColourCoral, "255,120,80,"}},
    {"West", {TextId::ColourGold, "255,215,0,"}},
    {"East", {TextId::ColourMaroon, "180,50,100,"}},
}};

} // namespace

std::optional<DirectionColour> GetDirectionColour(std::string_view direction) {
    for (const auto& [rowDirection, colour] : kDirectionColourTable) {
        if (rowDirection == direction)
            return colour;
    }
    return std::nullopt;
}

int DirectionsKua(int kuaNumber, Sex sex) {
    constexpr int kCentre = 5;
    if (kuaNumber != kCentre)
        return kuaNumber;
    return sex == Sex::Male ? 2 : 8;
}

PurposeColours FengShuiReading(int kuaNumber, Sex sex) {
    PurposeColours colours;
    const int kua = DirectionsKua(kuaNumber, sex);
    if (kua < 1 || kua > 9)
        return colours;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const auto colour = GetDirectionColour(kKuaDirectionTable[kua - 1][i]);
        if (!colour)
            continue;
        colours[i].name = colour->colourName;
        colours[i].swatch = RGBTextToColour(colour->rgbText);
    }
    return colours;
}

} // namespace korvane
