#include "birth_details.h"

#include "birth_date_lists.h"

namespace korvane {

BirthDateCheck CheckBirthDate(int year, int monthIndex, int dayIndex) {
    if (monthIndex < 0 || monthIndex >= kListedMonthCount)
        return BirthDateCheck::Valid;
    const auto month = static_cast<Month>(monthIndex + 1);
    if (dayIndex < DaysInMonth(year, month))
        return BirthDateCheck::Valid;
    return month == Month::February ? BirthDateCheck::WrongFebruaryDay
                                    : BirthDateCheck::WrongThirtyFirst;
}

std::optional<Birth> BirthOf(const BirthDetails& details) {
    if (details.maleSelected == details.femaleSelected)
        return std::nullopt;
    if (details.dayIndex < 0 || details.dayIndex >= kListedDayCount || details.monthIndex < 0 ||
        details.monthIndex >= kListedMonthCount || details.yearIndex < 0 ||
        details.yearIndex >= kListedYearCount)
        return std::nullopt;
    const BirthDate date{kFirstListedYear + details.yearIndex,
                         static_cast<Month>(details.monthIndex + 1),
                         kFirstListedDay + details.dayIndex};
    if (!IsRealDate(date))
        return std::nullopt;
    return Birth{details.maleSelected ? Sex::Male : Sex::Female, date};
}

} // namespace korvane
