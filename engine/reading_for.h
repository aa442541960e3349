#pragma once

#include "birth_details.h"
#include "colour.h"
#include "reading_display.h"

#include <array>
#include <optional>
#include <string>

namespace korvane {

// One purpose colour of the Feng Shui reading.
struct PurposeColour {
    // Nothing when the purpose has no colour.
    std::optional<TextId> name;
    // Nothing when the reading leaves the swatch as designed.
    std::optional<ColourValue> swatch;
};

// Everything a reading shows, as plain values: its texts by their catalogue
// entries, so that each face shows them in its language.
struct Reading {
    // Success, health, relationships, personal development.
    std::array<PurposeColour, 4> purposes;
    std::optional<TextId> carColour;
    std::optional<TextId> carColourDescription;
    std::optional<ColourValue> carColourSwatch;
    std::string kuaNumber; // as shown
    std::optional<TextId> rulingPlanet;
    std::optional<TextId> sunSign;
    std::optional<TextId> sunSignDescription;
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
