#pragma once

#include "reading_record.h"

#include <optional>
#include <string>
#include <string_view>

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

// Reads "15 March 1975" (day number, blank, English month name, blank, year)
// as a date; nothing when the text does not name a real date.
std::optional<CalendarDate> DateFromText(std::string_view text);

// Stores the details in the record, moves the year text to the Kua birth
// year (January and February births back one year, see kua_number.h) and
// computes the Kua number. A step that cannot be taken (a date that does not
// exist, a place outside a list) leaves its field as it was.
void FillReadingRecord(ReadingRecord& record, const BirthDetails& details);

} // namespace korvane
