#include "refer_request.h"

#include "text_utils.h"

namespace korvane {
namespace {

constexpr std::array<TextId, kReferFieldCount> kNotFilledMessages = {
    TextId::MessageEnterName, TextId::MessageEnterEmail, TextId::MessageEnterMessage,
    TextId::MessageEnterFriendName, TextId::MessageEnterFriendEmail};

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

bool LooksProper(std::string_view address) {
    return address.find('@') != std::string_view::npos &&
           address.find('.') != std::string_view::npos;
}

// UTF-8 with everything but the unreserved characters escaped.
std::string PercentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

// The space separators of Unicode (category Zs) in UTF-8. UTF-8 never
// starts a character inside another, so finding one is enough.
constexpr std::string_view kSpaces[] = {
    " ",      "\u00a0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005",
    "\u2006", "\u2007", "\u2008", "\u2009", "\u200a", "\u202f", "\u205f", "\u3000",
};

// What a box shows: its text trimmed, or its placeholder when that is empty.
std::string_view Shown(int field, std::string_view text, const ReferPlaceholders& placeholders) {
    const std::string_view trimmed = TrimmedBlanks(text);
    return trimmed.empty() ? placeholders[static_cast<std::size_t>(field)] : trimmed;
}

std::optional<ReferField>
FirstUnfilledField(const std::array<std::string_view, kReferFieldCount>& values,
                   const ReferPlaceholders& placeholders) {
    for (std::size_t i = 0; i < kReferFieldCount; ++i) {
        const std::string_view trimmed = TrimmedBlanks(values[i]);
        if (trimmed.empty() || trimmed == placeholders[i])
            return static_cast<ReferField>(i);
    }
    return std::nullopt;
}

// The first e-mail box whose address holds a space; a box showing its
// placeholder holds no address yet.
std::optional<ReferField>
SpacedEmailBox(const std::array<std::string_view, kReferFieldCount>& shown,
               const ReferPlaceholders& placeholders) {
    for (const ReferField field : {kReferEmail, kReferFriendEmail}) {
        if (shown[field] != placeholders[field] && HoldsSpace(shown[field]))
            return field;
    }
    return std::nullopt;
}

// The e-mail box that EmailAddressesProblem finds fault with: the friend's
// when both are the same, otherwise the first that is not proper.
ReferField EmailBoxInFault(std::string_view email, std::string_view friendEmail) {
    return email == friendEmail || LooksProper(email) ? kReferFriendEmail : kReferEmail;
}

} // namespace

std::optional<std::string_view> ReferBoxTextOnFocusIn(ReferField field, std::string_view text,
                                                      const ReferPlaceholders& placeholders) {
    if (TrimmedBlanks(text) == placeholders[field])
        return std::string_view();
    return std::nullopt;
}

std::optional<std::string_view> ReferBoxTextOnFocusOut(ReferField field, std::string_view text,
                                                       const ReferPlaceholders& placeholders) {
    if (TrimmedBlanks(text).empty())
        return placeholders[field];
    return std::nullopt;
}

bool HoldsSpace(std::string_view text) {
    for (const std::string_view space : kSpaces) {
        if (text.find(space) != std::string_view::npos)
            return true;
    }
    return false;
}

std::optional<TextId> EmailBoxRefusal(std::string_view typed) {
    if (HoldsSpace(typed))
        return TextId::MessageEmailSpace;
    return std::nullopt;
}

std::optional<TextId> EmailAddressesProblem(std::string_view email, std::string_view friendEmail) {
    if (email == friendEmail)
        return TextId::MessageDistinctEmails;
    if (!LooksProper(email) || !LooksProper(friendEmail))
        return TextId::MessageProperEmail;
    return std::nullopt;
}

std::string ReferRequestAddress(const std::array<std::string_view, kReferFieldCount>& values,
                                const SiteHosts& hosts) {
    std::string address = ReferAFriendPageAddress(hosts) + "?";
    for (int i = 0; i < kReferFieldCount; ++i) {
        address += (i == 0 ? "taf" : "&taf") + std::to_string(i + 1) + "=";
        address += PercentEncoded(values[i]);
    }
    address += "&taf6=" + ProductSiteRoot(hosts);
    return address;
}

ReferOutcome ReferAFriend(const std::array<std::string, kReferFieldCount>& fields,
                          const SiteHosts& hosts, const ReferPlaceholders& placeholders) {
    // A box left empty, or holding spaces only, shows its placeholder again,
    // and the checks read that.
    std::array<std::string_view, kReferFieldCount> trimmed;
    for (int i = 0; i < kReferFieldCount; ++i)
        trimmed[i] = Shown(i, fields[i], placeholders);
    // The boxes refuse spaces as they are edited; this catches what came in
    // any other way.
    if (const auto field = SpacedEmailBox(trimmed, placeholders))
        return {TextId::MessageEmailSpace, field, {}};
    if (const auto problem =
            EmailAddressesProblem(trimmed[kReferEmail], trimmed[kReferFriendEmail]))
        return {problem, EmailBoxInFault(trimmed[kReferEmail], trimmed[kReferFriendEmail]), {}};
    if (const auto field = FirstUnfilledField(trimmed, placeholders))
        return {kNotFilledMessages[*field], field, {}};
    return {std::nullopt, std::nullopt, ReferRequestAddress(trimmed, hosts)};
}

} // namespace korvane
