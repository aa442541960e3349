#pragma once

#include "korvane_texts.h"
#include "reading_display.h"
#include "reading_record.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

struct SunSign {
    TextId name;
    TextId rulingPlanet;
    TextId text; // its paragraphs, parted by an empty line
};

inline constexpr int kSignCount = 12;

// The twelve signs in zodiac order, Aries first.
const std::array<SunSign, kSignCount>& SunSigns();

// A sign's description in English as the record keeps it: its paragraphs
// joined by an empty line (CR LF twice).
std::string_view SunSignDescription(int signIndex);

struct AstrologyChoice {
    int signIndex = 0;
    int catalogueIndex = 0;
};

// The sun sign and the catalogue colour for a birth day and month name.
// Month names compare exactly; anything unknown counts as December.
AstrologyChoice ChooseSignAndColour(int birthDay, std::string_view monthName);

// Determines the sun sign, planet, description and car colour from the
// record's birth day and month, stores them in the record and shows them
// with the Kua number.
void AstrologyReading(ReadingRecord& record, AstrologyDisplay& display);

} // namespace korvane
