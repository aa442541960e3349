#pragma once

#include "birth_date.h"
#include "colour.h"
#include "korvane_texts.h"

#include <array>
#include <optional>

namespace korvane {

struct SunSign {
    TextId name;
    TextId rulingPlanet;
    TextId text; // its paragraphs, parted by an empty line
};

inline constexpr int kSignCount = 12;

// The twelve signs in zodiac order, Aries first.
const std::array<SunSign, kSignCount>& SunSigns();

struct AstrologyChoice {
    int signIndex = 0;
    int catalogueIndex = 0;
};

// The sun sign and the catalogue colour for a birth day and month. A day
// beyond the month's last falls to its second sign, as the rule is written.
AstrologyChoice ChooseSignAndColour(int birthDay, Month month);

// The astrology reading: the sun sign, its planet and text, and the car
// colour with its description and swatch.
struct AstrologyResult {
    TextId sunSign;
    TextId rulingPlanet;
    TextId sunSignText;
    TextId carColour;
    TextId carColourText;
    // Nothing when the catalogue's colour text does not convert.
    std::optional<ColourValue> carColourSwatch;
    friend bool operator==(const AstrologyResult&, const AstrologyResult&) = default;
};

AstrologyResult AstrologyReading(int birthDay, Month month);

} // namespace korvane
