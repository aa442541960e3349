#pragma once

#include "astrology.h"
#include "birth_details.h"
#include "feng_shui.h"
#include "feng_shui_year.h"
#include "five_elements.h"
#include "sixty_year_cycle.h"

#include <optional>
#include <vector>

namespace korvane {

// The year's element reading: its place in the sixty-year cycle, its Nạp
// Âm's element, the colours that suit it (its own and those of the element
// that produces it) and those to avoid (of the element that overcomes it).
struct ElementsReading {
    CycleYear cycle;
    Element element = Element::Metal;
    std::vector<ElementColour> suit;
    std::vector<ElementColour> avoid;
    friend bool operator==(const ElementsReading&, const ElementsReading&) = default;
};

// What a birth on the day of Li Chun, before its moment, would be given.
struct BeforeTheMoment {
    int year = 0;
    int kuaNumber = 0;
    CycleYear cycle;
    Element element = Element::Metal;
    friend bool operator==(const BeforeTheMoment&, const BeforeTheMoment&) = default;
};

// A whole reading as one value; its texts are catalogue entries, which each
// face shows in its language.
struct Reading {
    Birth birth;
    // The year the Feng Shui and element readings count from.
    FengShuiYear year;
    int kuaNumber = 0;
    // The Kua number whose directions the purposes come from (Kua 5 has
    // none of its own).
    int directionsKua = 0;
    PurposeColours purposes;
    AstrologyResult astrology;
    ElementsReading elements;
    // Only for a birth on the day of Li Chun.
    std::optional<BeforeTheMoment> beforeTheMoment;
    friend bool operator==(const Reading&, const Reading&) = default;
};

// The reading of a birth; nothing for a date that does not exist or lies
// outside the years whose Li Chun is known (1899 to 2051).
std::optional<Reading> ReadingFor(const Birth& birth);

// The elements reading of a year.
ElementsReading ElementsReadingFor(int year);

} // namespace korvane
