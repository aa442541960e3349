#pragma once

#include "birth_details.h"
#include "catalogue.h"
#include "month_names.h"

#include <string>
#include <string_view>

namespace korvane {

// The day and year lists of the birth details form, first to last; the
// months are kMonthTextIds, by their English names.
inline constexpr int kFirstListedDay = 1;
inline constexpr int kLastListedDay = 31;
inline constexpr int kFirstListedYear = 1900;
inline constexpr int kLastListedYear = 2050;
inline constexpr int kListedDayCount = kLastListedDay - kFirstListedDay + 1;
inline constexpr int kListedMonthCount = static_cast<int>(kMonthTextIds.size());
inline constexpr int kListedYearCount = kLastListedYear - kFirstListedYear + 1;

// The text of a list's entry by its place in the list; empty outside it.
inline std::string ListedDayText(int dayIndex) {
    if (dayIndex < 0 || dayIndex >= kListedDayCount)
        return {};
    return std::to_string(kFirstListedDay + dayIndex);
}
inline std::string ListedYearText(int yearIndex) {
    if (yearIndex < 0 || yearIndex >= kListedYearCount)
        return {};
    return std::to_string(kFirstListedYear + yearIndex);
}

// Calls visit(const BirthDetails&) for every choice the form offers, with
// the given name: year by year, month by month, day by day, male first;
// impossible dates included.
template <class Visit> void ForEveryListedChoice(std::string_view nameText, Visit&& visit) {
    BirthDetails details;
    details.nameText = nameText;
    for (details.yearIndex = 0; details.yearIndex < kListedYearCount; ++details.yearIndex) {
        for (details.monthIndex = 0; details.monthIndex < kListedMonthCount; ++details.monthIndex) {
            for (details.dayIndex = 0; details.dayIndex < kListedDayCount; ++details.dayIndex) {
                for (const bool male : {true, false}) {
                    details.maleSelected = male;
                    details.femaleSelected = !male;
                    visit(static_cast<const BirthDetails&>(details));
                }
            }
        }
    }
}

} // namespace korvane
