#pragma once

namespace korvane {

// The day and year lists of the birth details form, first to last; the
// months are kMonthNames.
inline constexpr int kFirstListedDay = 1;
inline constexpr int kLastListedDay = 31;
inline constexpr int kFirstListedYear = 1900;
inline constexpr int kLastListedYear = 2050;

} // namespace korvane
