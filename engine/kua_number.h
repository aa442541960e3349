#pragma once

#include <cstdint>
#include <string_view>

namespace korvane {

// The Kua number from the last two digits of the (January/February-adjusted)
// birth year and the sex text. Any sex text other than exactly "Male" takes
// the female rule. A character that is not a digit adds nothing.
std::int16_t GetKuaNumber(std::string_view strYearDigits, std::string_view strSex);

} // namespace korvane
