#pragma once

#include "birth_date.h"
#include "li_chun.h"

#include <optional>

namespace korvane {

// Where a birth date lies against Li Chun of its Gregorian year.
enum class LiChunSide : std::uint8_t { Before, OnTheDay, After };

// The year that the Feng Shui readings count from. It begins at Li Chun, so
// a birth before Li Chun of its Gregorian year belongs to the year before.
// The date alone cannot place a birth on the day of Li Chun: it counts in
// the new year, and the reading says what a birth before the moment gives.
struct FengShuiYear {
    int year = 0;
    LiChunSide side = LiChunSide::After;
    // Li Chun of the birth date's Gregorian year.
    LiChunMoment liChun;
    // The year a birth before that moment would have: only on the day.
    std::optional<int> yearBeforeTheMoment;
    friend bool operator==(const FengShuiYear&, const FengShuiYear&) = default;
};

// Nothing for a date outside the years whose Li Chun is known.
std::optional<FengShuiYear> FengShuiYearOf(const BirthDate& date);

} // namespace korvane
