#pragma once

#include "birth_date_lists.h"

#include <algorithm>
#include <string>

namespace korvane {

// The details of a form with the given name, sex and date picked from its
// lists (the month by its name).
inline BirthDetails DetailsFor(std::string name, bool male, int day, std::string_view month,
                               int year) {
    const auto monthAt = std::find_if(kMonthTextIds.begin(), kMonthTextIds.end(),
                                      [&](TextId name) { return EnglishText(name) == month; });
    return {std::move(name),
            male,
            !male,
            day - kFirstListedDay,
            static_cast<int>(monthAt - kMonthTextIds.begin()),
            year - kFirstListedYear};
}

} // namespace korvane
