#pragma once

#include "refer_request.h"

#include <QString>

#include <optional>

namespace korvane {

// What the user typed into the five boxes, untrimmed.
struct ReferAFriendForm {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The first thing that is wrong with a form, and the box it is about.
struct ReferProblem {
    QString message;
    ReferField field;
};

// Checks the form with the engine's refer-a-friend rule and, when it is
// complete, opens the request in the browser. Returns the first problem, or
// nothing once the request has been handed to the browser.
std::optional<ReferProblem> SubmitReferAFriend(const ReferAFriendForm& form);

} // namespace korvane
