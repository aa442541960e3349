#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// A whole date without a time of day.
struct CalendarDate {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The one record of the current reading. It outlives every window and is
// overwritten, field by field, by each new reading.
struct ReadingRecord {
    std::string strUserName;
    std::string strSex;
    std::int16_t intBirthDay = 0;
    std::string strBirthDay;
    std::string strBirthMonth;
    std::string strBirthYear;
    // Empty until a birth date text has converted; a text that does not
    // convert leaves the previous value.
    std::optional<CalendarDate> dtBirthDate;
    // Colour name and RGB text of the compass direction looked up last;
    // the third element is never used.
    std::array<std::string, 3> strColourPair;
    std::string strSunSign;
    // The two descriptions come from the program's constant texts, which
    // live as long as the program; the record refers to them.
    std::string_view strSunSignDesc;
    std::string strRulingPlanet;
    std::string strCarColour;
    std::string_view strCarColourDesc;
    std::int16_t intKuaNumber = 0;
};

// The process-wide record.
ReadingRecord& TheReadingRecord();

} // namespace korvane
