#pragma once

#include <QtGlobal>

// The sun signs by their dates, inclusive, written out apart from the
// engine's month rule, for the tests to hold it against.
struct SignRange {
    const char* sign;
    const char* planet;
    int fromMonth, fromDay, toMonth, toDay;
};

inline constexpr SignRange kSignRanges[] = {
    {"Aries", "Mars", 3, 21, 4, 20},
    {"Taurus", "Venus", 4, 21, 5, 20},
    {"Gemini", "Mercury", 5, 21, 6, 20},
    {"Cancer", "Moon", 6, 21, 7, 20},
    {"Leo", "Sun", 7, 21, 8, 21},
    {"Virgo", "Mercury", 8, 22, 9, 23},
    {"Libra", "Venus", 9, 24, 10, 23},
    {"Scorpio", "Mars", 10, 24, 11, 22},
    {"Sagittarius", "Jupiter", 11, 23, 12, 20},
    {"Capricorn", "Saturn", 12, 21, 1, 19},
    {"Aquarius", "Saturn", 1, 20, 2, 18},
    {"Pisces", "Jupiter", 2, 19, 3, 20},
};

inline const SignRange& SignRangeOn(int month, int day) {
    const int key = month * 100 + day;
    for (const auto& range : kSignRanges) {
        const int from = range.fromMonth * 100 + range.fromDay;
        const int to = range.toMonth * 100 + range.toDay;
        const bool inside = from <= to ? (key >= from && key <= to) : (key >= from || key <= to);
        if (inside)
            return range;
    }
    qFatal("no sign for %d/%d", month, day);
}
