#pragma once

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

// Checks the form with the engine's refer-a-friend rule and, when it is
// complete, opens the request in the browser. Returns the message for the
// first thing that is wrong, or nothing once the request has been handed to
// the browser.
std::optional<QString> SubmitReferAFriend(const ReferAFriendForm& form);

} // namespace korvane
