#pragma once

#include <cstdint>

namespace korvane {

enum class Sex : std::uint8_t { Male, Female };

enum class Month : std::uint8_t {
    January = 1,
    February,
    March,
    April,
    May,
    June,
    July,
    August,
    September,
    October,
    November,
    December
};

// A birth date as entered, without a time of day.
struct BirthDate {
    int year = 0;
    Month month = Month::January;
    int day = 0;
    friend bool operator==(const BirthDate&, const BirthDate&) = default;
};

constexpr int MonthNumber(Month month) {
    return static_cast<int>(month);
}

// The Gregorian calendar's leap years, century rule included.
constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, Month month) {
    switch (month) {
    case Month::February:
        return IsLeapYear(year) ? 29 : 28;
    case Month::April:
    case Month::June:
    case Month::September:
    case Month::November:
        return 30;
    default:
        return 31;
    }
}

constexpr bool IsRealDate(const BirthDate& date) {
    return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

} // namespace korvane
