#include "refer_request.h"

#include "text_utils.h"

namespace korvane {
namespace {

constexpr std::array<std::string_view, kReferFieldCount> kNotFilledMessages = {
    "Please Enter Your Name", "Please Enter Your Email", "Please Enter Your Message",
    "Please Enter Your Friend's Name", "Please Enter Your Friend's Email"};

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

// What a box shows: its text trimmed, or its placeholder when that is empty.
std::string_view Shown(int field, std::string_view text) {
    const std::string_view trimmed = TrimmedBlanks(text);
    return trimmed.empty() ? kReferPlaceholders[field] : trimmed;
}

std::optional<ReferField>
FirstUnfilledField(const std::array<std::string_view, kReferFieldCount>& values) {
    for (int i = 0; i < kReferFieldCount; ++i) {
        const std::string_view trimmed = TrimmedBlanks(values[i]);
        if (trimmed.empty() || trimmed == kReferPlaceholders[i])
            return static_cast<ReferField>(i);
    }
    return std::nullopt;
}

// The e-mail box that EmailAddressesProblem finds fault with: the friend's
// when both are the same, otherwise the first that is not proper.
ReferField EmailBoxInFault(std::string_view email, std::string_view friendEmail) {
    return email == friendEmail || LooksProper(email) ? kReferFriendEmail : kReferEmail;
}

} // namespace

std::optional<std::string_view> ReferBoxTextOnFocusIn(ReferField field, std::string_view text) {
    if (TrimmedBlanks(text) == kReferPlaceholders[field])
        return std::string_view();
    return std::nullopt;
}

std::optional<std::string_view> ReferBoxTextOnFocusOut(ReferField field, std::string_view text) {
    if (TrimmedBlanks(text).empty())
        return kReferPlaceholders[field];
    return std::nullopt;
}

std::optional<std::string_view> EmailBoxRefusal(std::string_view typed) {
    if (typed.find(' ') != std::string_view::npos)
        return kEmailSpaceRefusal;
    return std::nullopt;
}

std::optional<std::string_view> EmailAddressesProblem(std::string_view email,
                                                      std::string_view friendEmail) {
    if (email == friendEmail)
        return "Please Enter Distinct Email Addresses";
    if (!LooksProper(email) || !LooksProper(friendEmail))
        return "Please Enter Proper Email Address";
    return std::nullopt;
}

std::optional<std::string_view>
UnfilledFieldProblem(const std::array<std::string_view, kReferFieldCount>& values) {
    if (const auto field = FirstUnfilledField(values))
        return kNotFilledMessages[*field];
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
                          const SiteHosts& hosts) {
    // A box left empty, or holding spaces only, shows its placeholder again,
    // and the checks read that.
    std::array<std::string_view, kReferFieldCount> trimmed;
    for (int i = 0; i < kReferFieldCount; ++i)
        trimmed[i] = Shown(i, fields[i]);
    if (const auto problem =
            EmailAddressesProblem(trimmed[kReferEmail], trimmed[kReferFriendEmail]))
        return {false, std::string(*problem),
                EmailBoxInFault(trimmed[kReferEmail], trimmed[kReferFriendEmail])};
    if (const auto field = FirstUnfilledField(trimmed))
        return {false, std::string(kNotFilledMessages[*field]), field};
    return {true, ReferRequestAddress(trimmed, hosts), std::nullopt};
}

} // namespace korvane
