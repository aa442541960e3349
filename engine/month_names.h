#pragma once

#include "korvane_texts.h"

#include <array>

namespace korvane {

// The months in the order of the month list. Their English names are the
// fixed words the readings compare; the list shows them in the program's
// language.
inline constexpr std::array<TextId, 12> kMonthTextIds = {
    TextId::MonthJanuary,   TextId::MonthFebruary, TextId::MonthMarch,    TextId::MonthApril,
    TextId::MonthMay,       TextId::MonthJune,     TextId::MonthJuly,     TextId::MonthAugust,
    TextId::MonthSeptember, TextId::MonthOctober,  TextId::MonthNovember, TextId::MonthDecember};

} // namespace korvane
