#pragma once

#include "birth_details.h"
#include "colour.h"
#include "reading_display.h"

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

// The reading for accepted birth details: fills the record from them, then
// runs the Feng Shui and the astrology readings. The desktop passes the
// process-wide record; every face shows what comes back.
Reading ReadingFor(const BirthDetails& details, ReadingRecord& record);

// The same, in a record of its own: the process-wide one is left alone.
Reading ReadingFor(const BirthDetails& details);

// Writes a reading into the two displays in the order the readings write
// it; a swatch that the reading leaves as designed is not written.
void ShowReading(const Reading& reading, FengShuiDisplay& fengShui, AstrologyDisplay& astrology);

} // namespace korvane
