#include "refer_a_friend.h"

#include "refer_request.h"
#include "text_utils.h"
#include "web_links.h"

namespace korvane {
namespace {

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// The stored strings in the engine's order, in UTF-8.
using Utf8Fields = std::array<std::string, kReferFieldCount>;
Utf8Fields Utf8Of(const ReferAFriendStrings& strings) {
    return {Utf8(strings.strReferName), Utf8(strings.strReferEmail), Utf8(strings.strReferMessage),
            Utf8(strings.strReferFriendName), Utf8(strings.strReferFriendEmail)};
}

std::array<std::string_view, kReferFieldCount> ViewsOf(const Utf8Fields& fields) {
    std::array<std::string_view, kReferFieldCount> views;
    for (int i = 0; i < kReferFieldCount; ++i)
        views[i] = fields[i];
    return views;
}

} // namespace

const QString kNamePlaceholder = QString::fromUtf8(kReferPlaceholders[kReferName]);
const QString kEmailPlaceholder = QString::fromUtf8(kReferPlaceholders[kReferEmail]);
const QString kMessagePlaceholder = QString::fromUtf8(kReferPlaceholders[kReferMessage]);
const QString kFriendNamePlaceholder = QString::fromUtf8(kReferPlaceholders[kReferFriendName]);
const QString kFriendEmailPlaceholder = QString::fromUtf8(kReferPlaceholders[kReferFriendEmail]);

ReferAFriendStrings& TheReferAFriendStrings() {
    static ReferAFriendStrings strings;
    return strings;
}

QString TrimSpaces(const QString& text) {
    const QStringView whole(text);
    const std::u16string_view view(whole.utf16(), static_cast<std::size_t>(whole.size()));
    const std::u16string_view trimmed = TrimmedBlanks(view);
    return text.mid(trimmed.data() - view.data(), static_cast<qsizetype>(trimmed.size()));
}

std::optional<QString> TextOnFocusIn(const QString& text, const QString& placeholder) {
    if (TrimSpaces(text) == placeholder)
        return QString();
    return std::nullopt;
}

std::optional<QString> TextOnFocusOut(const QString& text, const QString& placeholder) {
    if (TrimSpaces(text).isEmpty())
        return placeholder;
    return std::nullopt;
}

std::optional<QString> RefusalInEmailBox(const QString& typed) {
    if (const auto refusal = EmailBoxRefusal(Utf8(typed)))
        return QString::fromUtf8(*refusal);
    return std::nullopt;
}

std::optional<QString> SubmitReferAFriend(const ReferAFriendForm& form) {
    ReferAFriendStrings& strings = TheReferAFriendStrings();
    strings.strReferName = TrimSpaces(form.name);
    strings.strReferEmail = TrimSpaces(form.email);
    strings.strReferMessage = TrimSpaces(form.message);
    strings.strReferFriendName = TrimSpaces(form.friendName);
    strings.strReferFriendEmail = TrimSpaces(form.friendEmail);

    if (const auto problem =
            EmailAddressesProblem(Utf8(strings.strReferEmail), Utf8(strings.strReferFriendEmail)))
        return QString::fromUtf8(*problem);
    return SendReferAFriend();
}

std::optional<QString> SendReferAFriend() {
    ReferAFriendStrings& strings = TheReferAFriendStrings();
    const Utf8Fields values = Utf8Of(strings);
    if (const auto problem = UnfilledFieldProblem(ViewsOf(values)))
        return QString::fromUtf8(*problem);
    strings.strReferAddress = ComposeReferAddress(strings);
    OpenWebPage(strings.strReferAddress);
    return std::nullopt;
}

QString ComposeReferAddress(const ReferAFriendStrings& strings) {
    const Utf8Fields values = Utf8Of(strings);
    return QString::fromUtf8(ReferRequestAddress(ViewsOf(values), MakerHosts()));
}

} // namespace korvane
