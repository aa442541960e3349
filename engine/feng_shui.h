#pragma once

#include "reading_display.h"
#include "reading_record.h"

#include <cstdint>
#include <string_view>

namespace korvane {

// Looks the direction up in the direction colour table (exact,
// case-sensitive) and leaves its colour name and RGB text in strColourPair;
// a direction that matches nothing leaves both empty.
void GetDirectionColour(ReadingRecord& record, std::string_view direction);

// Shows the lucky colour of each of the four purposes for the Kua number.
// A Kua number outside 1 to 9 empties the names and leaves the swatches.
void FengShuiReading(std::int16_t kuaNumber, ReadingRecord& record, FengShuiDisplay& display);

} // namespace korvane
