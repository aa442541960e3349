#pragma once

#include <QString>

#include <optional>

namespace korvane {

// The form fields as last submitted, trimmed, and the last request address.
struct ReferAFriendStrings {
    QString strReferName;
    QString strReferEmail;
    QString strReferMessage;
    QString strReferFriendName;
    QString strReferFriendEmail;
    QString strReferAddress;
};

ReferAFriendStrings& TheReferAFriendStrings();

// What the user typed into the five boxes, untrimmed.
struct ReferAFriendForm {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// Placeholders the boxes show while empty (the engine's kReferPlaceholders).
extern const QString kNamePlaceholder;
extern const QString kEmailPlaceholder;
extern const QString kMessagePlaceholder;
extern const QString kFriendNamePlaceholder;
extern const QString kFriendEmailPlaceholder;

// Removes leading and trailing spaces only.
QString TrimSpaces(const QString& text);

// The boxes show their placeholder while empty. Each of these returns the
// box's new text, or nothing when the box stays as it is:
// - gaining the focus, a box that shows its placeholder is emptied;
std::optional<QString> TextOnFocusIn(const QString& text, const QString& placeholder);
// - losing it, a box that is empty or holds spaces only gets it back.
std::optional<QString> TextOnFocusOut(const QString& text, const QString& placeholder);

// E-mail addresses hold no spaces: what is typed into either e-mail box is
// refused with a message when it holds a space. Pasted text is not tested.
std::optional<QString> RefusalInEmailBox(const QString& typed);

// Checks the form and, when it is complete, sends the request. Returns the
// message for the first thing that is wrong, or nothing once the request
// has been handed to the browser.
std::optional<QString> SubmitReferAFriend(const ReferAFriendForm& form);

// Checks the five stored strings against their placeholders, composes the
// request address and opens it. Returns the message for the first field
// that is not filled, or nothing once the request has been opened.
std::optional<QString> SendReferAFriend();

// The request address for the stored strings. Every value is
// percent-encoded, so that nothing typed can add, change or cut off a field.
QString ComposeReferAddress(const ReferAFriendStrings& strings);

} // namespace korvane
