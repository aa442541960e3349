#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The birth year that the Kua number counts from. The Chinese solar year
// starts in early February, so a birth in "January" or "February" (exact
// month names) belongs to the year before: "1975" becomes "1974". Other
// months, and a year text that is not a number, keep the text as it is.
std::string KuaBirthYear(std::string_view yearText, std::string_view monthName);

// The Kua number of a (January/February-adjusted) birth year and a sex text.
// The Lo Shu's nine-year cycle runs on across centuries, so the whole year
// counts: r = (year - 1900) mod 9, then 10 - r for "Male" and r + 5 for any
// other sex text, each reduced once to one digit. Nothing when the year text
// is not a number.
std::optional<std::int16_t> GetKuaNumber(std::string_view strBirthYear, std::string_view strSex);

} // namespace korvane
