#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

// The birth year that the Kua number counts from. The Chinese solar year
// starts in early February, so a birth in "January" or "February" (exact
// month names) belongs to the year before: "1975" becomes "1974". Other
// months, and a year text that is not a number, keep the text as it is.
std::string KuaBirthYear(std::string_view yearText, std::string_view monthName);

// The Kua number from the last two digits of the (January/February-adjusted)
// birth year and the sex text. Any sex text other than exactly "Male" takes
// the female rule. A character that is not a digit adds nothing.
std::int16_t GetKuaNumber(std::string_view strYearDigits, std::string_view strSex);

} // namespace korvane
