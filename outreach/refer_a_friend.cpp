#include "refer_a_friend.h"

#include "text_utils.h"
#include "web_links.h"

#include <QUrl>

namespace korvane {
namespace {

bool IsFilled(const QString& value, const QString& placeholder) {
    const QString trimmed = TrimSpaces(value);
    return !trimmed.isEmpty() && trimmed != placeholder;
}

QString Encoded(const QString& value) {
    // UTF-8 with everything but the unreserved characters escaped.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

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
    if (typed.contains(QLatin1Char(' ')))
        return QStringLiteral("Email Address Cannot Contain Space");
    return std::nullopt;
}

std::optional<QString> SubmitReferAFriend(const ReferAFriendForm& form) {
    ReferAFriendStrings& strings = TheReferAFriendStrings();
    strings.strReferName = TrimSpaces(form.name);
    strings.strReferEmail = TrimSpaces(form.email);
    strings.strReferMessage = TrimSpaces(form.message);
    strings.strReferFriendName = TrimSpaces(form.friendName);
    strings.strReferFriendEmail = TrimSpaces(form.friendEmail);

    const QString& email = strings.strReferEmail;
    const QString& friendEmail = strings.strReferFriendEmail;
    if (email == friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    // Where the "@" and the "." stand is not looked at.
    const auto looksProper = [](const QString& address) {
        return address.contains(QLatin1Char('@')) && address.contains(QLatin1Char('.'));
    };
    if (!looksProper(email) || !looksProper(friendEmail))
        return QStringLiteral("Please Enter Proper Email Address");
    return SendReferAFriend();
}

std::optional<QString> SendReferAFriend() {
    ReferAFriendStrings& strings = TheReferAFriendStrings();
    const struct {
        const QString& value;
        const QString& placeholder;
        const char* message;
    } fields[] = {
        {strings.strReferName, kNamePlaceholder, "Please Enter Your Name"},
        {strings.strReferEmail, kEmailPlaceholder, "Please Enter Your Email"},
        {strings.strReferMessage, kMessagePlaceholder, "Please Enter Your Message"},
        {strings.strReferFriendName, kFriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {strings.strReferFriendEmail, kFriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    };
    for (const auto& field : fields) {
        if (!IsFilled(field.value, field.placeholder))
            return QString::fromUtf8(field.message);
    }
    strings.strReferAddress = ComposeReferAddress(strings);
    OpenWebPage(strings.strReferAddress);
    return std::nullopt;
}

QString ComposeReferAddress(const ReferAFriendStrings& strings) {
    return ReferAFriendPage() + QStringLiteral("?") + QStringLiteral("taf1=") +
           Encoded(strings.strReferName) + QStringLiteral("&taf2=") +
           Encoded(strings.strReferEmail) + QStringLiteral("&taf3=") +
           Encoded(strings.strReferMessage) + QStringLiteral("&taf4=") +
           Encoded(strings.strReferFriendName) + QStringLiteral("&taf5=") +
           Encoded(strings.strReferFriendEmail) + QStringLiteral("&taf6=") + ProductSiteRoot();
}

} // namespace korvane
