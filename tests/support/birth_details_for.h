#pragma once

#include "birth_details.h"

#include <string>
#include <utility>

namespace korvane {

// The inputs as the birth details window hands them over for a date picked
// from its lists.
inline BirthInputs InputsFor(std::string name, bool male, int day, std::string month,
                             std::string year) {
    BirthInputs inputs;
    inputs.nameText = std::move(name);
    inputs.maleSelected = male;
    inputs.dayIndex = day - 1;
    inputs.dayText = std::to_string(day);
    inputs.monthText = std::move(month);
    inputs.yearText = std::move(year);
    return inputs;
}

} // namespace korvane
