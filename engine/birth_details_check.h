#pragma once

#include <optional>
#include <string_view>

namespace korvane {

// The birth details as the form holds them when the button is pressed.
struct BirthDetailsForm {
    std::string_view nameText; // as typed, not trimmed
    bool maleSelected = true;
    bool femaleSelected = false;
    std::string_view yearText;
    int monthIndex = 0; // 0 for January
    int dayIndex = 0;   // 0 for "1"
};

enum class ProblemIcon { Critical, Information };

// Where the keyboard focus goes once the message has been shown.
enum class ProblemFocus { Name, ProceedButton, Unchanged };

struct BirthDetailsProblem {
    std::string_view text;
    ProblemIcon icon = ProblemIcon::Critical;
    ProblemFocus focus = ProblemFocus::Unchanged;
};

// Checks name, sex and date in this order; the first failure decides and
// comes back with the message the user is shown. Nothing when all is well.
std::optional<BirthDetailsProblem> CheckBirthDetails(const BirthDetailsForm& form);

} // namespace korvane
