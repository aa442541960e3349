#pragma once

#include "birth_date.h"

#include <optional>
#include <string>

namespace korvane {

// The birth details form as it stands: the name as typed, the sex options
// and the entries picked in the day, month and year lists, by their place
// there (see birth_date_lists.h for the texts).
struct BirthDetails {
    std::string nameText; // as typed, not trimmed
    bool maleSelected = true;
    bool femaleSelected = false;
    int dayIndex = 0;   // 0 for "1"
    int monthIndex = 0; // 0 for January
    int yearIndex = 0;  // 0 for 1900
};

enum class BirthDateCheck {
    Valid,
    // February beyond its last day in that year.
    WrongFebruaryDay,
    // The 31st of a month of thirty days.
    WrongThirtyFirst,
};

// Tests the day and month list positions against the year.
BirthDateCheck CheckBirthDate(int year, int monthIndex, int dayIndex);

// What a reading is made of: the name plays no part in it.
struct Birth {
    Sex sex = Sex::Male;
    BirthDate date;
    friend bool operator==(const Birth&, const Birth&) = default;
};

// The sex and the date that the form names; nothing when no sex is chosen,
// a place lies outside its list or the date does not exist.
std::optional<Birth> BirthOf(const BirthDetails& details);

} // namespace korvane
