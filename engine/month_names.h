#pragma once

#include <array>
#include <string_view>

namespace korvane {

// The month names exactly as the month list shows them and the readings
// compare them.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

} // namespace korvane
