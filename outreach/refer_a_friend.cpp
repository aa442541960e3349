#include "refer_a_friend.h"

#include "refer_request.h"
#include "text_utils.h"
#include "web_links.h"

namespace korvane {
namespace {

QString Shown(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

const QString kNamePlaceholder = Shown(kReferPlaceholders[kReferName]);
const QString kEmailPlaceholder = Shown(kReferPlaceholders[kReferEmail]);
const QString kMessagePlaceholder = Shown(kReferPlaceholders[kReferMessage]);
const QString kFriendNamePlaceholder = Shown(kReferPlaceholders[kReferFriendName]);
const QString kFriendEmailPlaceholder = Shown(kReferPlaceholders[kReferFriendEmail]);

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
        return Shown(*refusal);
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
        return Shown(*problem);
    return SendReferAFriend();
}

std::optional<QString> SendReferAFriend() {
    ReferAFriendStrings& strings = TheReferAFriendStrings();
    const Utf8Fields values = Utf8Of(strings);
    if (const auto problem = UnfilledFieldProblem(ViewsOf(values)))
        return Shown(*problem);
    strings.strReferAddress = ComposeReferAddress(strings);
    OpenWebPage(strings.strReferAddress);
    return std::nullopt;
}

QString ComposeReferAddress(const ReferAFriendStrings& strings) {
    const Utf8Fields values = Utf8Of(strings);
    return Shown(ReferRequestAddress(ViewsOf(values), MakerHosts()));
}

} // namespace korvane
