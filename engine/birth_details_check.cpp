#include "birth_details_check.h"

#include "birth_details.h"

namespace korvane {

std::optional<BirthDetailsProblem> CheckBirthDetails(const BirthDetailsForm& form) {
    if (form.nameText.empty())
        return BirthDetailsProblem{"Please Enter Your Name", ProblemIcon::Critical,
                                   ProblemFocus::Name};
    if (!form.maleSelected && !form.femaleSelected)
        return BirthDetailsProblem{"Please Specify Your Sex", ProblemIcon::Critical,
                                   ProblemFocus::ProceedButton};
    switch (CheckBirthDate(form.yearText, form.monthIndex, form.dayIndex)) {
    case BirthDateCheck::WrongFebruaryDay:
        return BirthDetailsProblem{"Please Enter Correct Date Or Month!", ProblemIcon::Information,
                                   ProblemFocus::Unchanged};
    case BirthDateCheck::WrongThirtyFirst:
        // The blank before the exclamation mark tells the two date messages apart.
        return BirthDetailsProblem{"Please Enter Correct Date Or Month !", ProblemIcon::Information,
                                   ProblemFocus::Unchanged};
    case BirthDateCheck::Valid:
        break;
    }
    return std::nullopt;
}

} // namespace korvane
