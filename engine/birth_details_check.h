#pragma once

#include "birth_details.h"
#include "korvane_texts.h"

#include <optional>

namespace korvane {

enum class ProblemIcon { Critical, Information };

// Where the keyboard focus goes once the message has been shown.
enum class ProblemFocus { Name, ProceedButton, Unchanged };

struct BirthDetailsProblem {
    TextId text;
    ProblemIcon icon = ProblemIcon::Critical;
    ProblemFocus focus = ProblemFocus::Unchanged;
};

// Checks name, sex and date in this order; the first failure decides and
// comes back with the message the user is shown. Nothing when all is well.
std::optional<BirthDetailsProblem> CheckBirthDetails(const BirthDetails& details);

} // namespace korvane
