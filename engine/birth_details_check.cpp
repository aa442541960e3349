#include "birth_details_check.h"

#include "birth_date_lists.h"

namespace korvane {

std::optional<BirthDetailsProblem> CheckBirthDetails(const BirthDetails& details) {
    if (details.nameText.empty())
        return BirthDetailsProblem{TextId::MessageEnterName, ProblemIcon::Critical,
                                   ProblemFocus::Name};
    if (!details.maleSelected && !details.femaleSelected)
        return BirthDetailsProblem{TextId::MessageSpecifySex, ProblemIcon::Critical,
                                   ProblemFocus::ProceedButton};
    switch (CheckBirthDate(kFirstListedYear + details.yearIndex, details.monthIndex,
                           details.dayIndex)) {
    case BirthDateCheck::WrongFebruaryDay:
        return BirthDetailsProblem{TextId::MessageWrongDate, ProblemIcon::Information,
                                   ProblemFocus::Unchanged};
    case BirthDateCheck::WrongThirtyFirst:
        // The blank before the exclamation mark tells the two date messages apart.
        return BirthDetailsProblem{TextId::MessageWrongThirtyFirst, ProblemIcon::Information,
                                   ProblemFocus::Unchanged};
    case BirthDateCheck::Valid:
        break;
    }
    return std::nullopt;
}

} // namespace korvane
