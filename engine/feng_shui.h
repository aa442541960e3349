#pragma once

#include "birth_date.h"
#include "colour.h"
#include "korvane_texts.h"

#include <array>
#include <optional>
#include <string_view>

namespace korvane {

enum class Purpose { Success, Health, Relationships, PersonalDevelopment };

inline constexpr std::array<Purpose, 4> kPurposes = {
    Purpose::Success, Purpose::Health, Purpose::Relationships, Purpose::PersonalDevelopment};

// One purpose's lucky colour; nothing for a Kua number without directions.
struct PurposeColour {
    std::optional<TextId> name;
    std::optional<ColourValue> swatch;
    friend bool operator==(const PurposeColour&, const PurposeColour&) = default;
};

// In the order of kPurposes.
using PurposeColours = std::array<PurposeColour, 4>;

struct DirectionColour {
    TextId colourName;
    std::string_view rgbText;
};

// The colour of a compass direction ("North East"), compared exactly and
// case-sensitively; nothing when no direction matches.
std::optional<DirectionColour> GetDirectionColour(std::string_view direction);

// The Kua number whose directions a Kua number uses. Kua 5 has none of its
// own: a man's takes those of Kua 2, a woman's those of Kua 8 (the Eight
// Mansions' rule). Every other number uses its own.
int DirectionsKua(int kuaNumber, Sex sex);

// The lucky colour of each of the four purposes for a Kua number and sex.
// A Kua number outside 1 to 9 has no directions: every purpose is empty.
PurposeColours FengShuiReading(int kuaNumber, Sex sex);

} // namespace korvane
