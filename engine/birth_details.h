#pragma once

#include "reading_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// What the birth details window hands over once its inputs were accepted.
struct BirthInputs {
    std::string nameText; // as typed
    bool maleSelected = true;
    int dayIndex = 0;      // position in the day list, 0 for "1"
    std::string dayText;   // "1" to "31"
    std::string monthText; // "January" to "December"
    std::string yearText;  // "1900" to "2050"
};

enum class BirthDateCheck {
    Valid,
    // February beyond its last day in that year.
    WrongFebruaryDay,
    // The 31st of a month of thirty days.
    WrongThirtyFirst,
};

bool IsLeapYear(int year);

// Tests the day and month list positions against the year text. A year text
// that is not a number counts as a common year.
BirthDateCheck CheckBirthDate(std::string_view yearText, int monthIndex, int dayIndex);

// Reads "15 March 1975" (day number, blank, English month name, blank, year)
// as a date; nothing when the text does not name a real date.
std::optional<CalendarDate> DateFromText(std::string_view text);

// Stores the inputs in the record, moves the year text to the Kua birth year
// (January and February births back one year, see kua_number.h) and
// computes the Kua number.
void FillReadingRecord(ReadingRecord& record, const BirthInputs& inputs);

} // namespace korvane
