#pragma once

#include "birth_details.h"
#include "colour.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// One purpose colour of the Feng Shui reading.
struct PurposeColour {
    std::string name;
    // Nothing when the reading leaves the swatch as designed.
    std::optional<ColourValue> swatch;
};

// Everything a reading shows, as plain values.
struct Reading {
    // Success, health, relationships, personal development.
    std::array<PurposeColour, 4> purposes;
    std::string carColour;
    std::string_view carColourDescription;
    std::optional<ColourValue> carColourSwatch;
    std::string kuaNumber; // as shown
    std::string rulingPlanet;
    std::string sunSign;
    std::string_view sunSignDescription;
};

// The reading for accepted birth details, worked out exactly as the desktop
// window does it, without touching the process-wide reading record.
Reading ReadingFor(const BirthInputs& inputs);

} // namespace korvane
