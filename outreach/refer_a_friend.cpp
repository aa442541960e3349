#include "refer_a_friend.h"

#include "shown_text.h"
#include "web_links.h"

namespace korvane {

std::optional<ReferProblem> SubmitReferAFriend(const ReferAFriendForm& form) {
    const std::array<std::string, kReferFieldCount> fields = {
        form.name.toStdString(), form.email.toStdString(), form.message.toStdString(),
        form.friendName.toStdString(), form.friendEmail.toStdString()};
    const ReferOutcome outcome = ReferAFriend(fields, MakerHosts(), ReferPlaceholdersIn(ShownUtf8));
    if (outcome.message)
        return ReferProblem{ShownText(*outcome.message), outcome.field.value_or(kReferName)};
    OpenWebPage(QString::fromStdString(outcome.address));
    return std::nullopt;
}

} // namespace korvane
