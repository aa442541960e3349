#pragma once

#include "birth_date.h"

namespace korvane {

// The Kua number of a Feng Shui year (see feng_shui_year.h) and a sex, 1 to
// 9. The Lo Shu's nine-year cycle runs on across centuries, so the whole
// year counts: r = (year - 1900) mod 9, then 10 - r for a man and r + 5 for
// a woman, each reduced once to one digit.
int GetKuaNumber(int fengShuiYear, Sex sex);

} // namespace korvane
