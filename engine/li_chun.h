#pragma once

#include <optional>

namespace korvane {

// The moment the Chinese solar year begins (立春): always in February, in
// China Standard Time (UTC+8), to the minute.
struct LiChunMoment {
    int year = 0;
    int day = 0; // in February: 3, 4 or 5
    int hour = 0;
    int minute = 0;
    friend bool operator==(const LiChunMoment&, const LiChunMoment&) = default;
};

// Li Chun of a year from 1899 to 2051; nothing outside them.
std::optional<LiChunMoment> LiChunOf(int year);

int FirstLiChunYear();
int LastLiChunYear();

} // namespace korvane
