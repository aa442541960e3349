#include "refer_a_friend.h"

#include "refer_request.h"
#include "web_links.h"

namespace korvane {

std::optional<QString> SubmitReferAFriend(const ReferAFriendForm& form) {
    const std::array<std::string, kReferFieldCount> fields = {
        form.name.toStdString(), form.email.toStdString(), form.message.toStdString(),
        form.friendName.toStdString(), form.friendEmail.toStdString()};
    const ReferOutcome outcome = ReferAFriend(fields, MakerHosts());
    if (!outcome.ok)
        return QString::fromStdString(outcome.text);
    OpenWebPage(QString::fromStdString(outcome.text));
    return std::nullopt;
}

} // namespace korvane
