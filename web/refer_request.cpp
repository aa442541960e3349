#include "refer_request.h"

namespace korvane {
namespace {

constexpr std::array<std::string_view, kReferFieldCount> kNotFilledMessages = {
    "Please Enter Your Name", "Please Enter Your Email", "Please Enter Your Message",
    "Please Enter Your Friend's Name", "Please Enter Your Friend's Email"};

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Where the "@" and the "." stand is not looked at.
bool LooksProper(std::string_view address) {
    return address.find('@') != std::string_view::npos &&
           address.find('.') != std::string_view::npos;
}

} // namespace

std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

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

ReferOutcome ReferAFriend(const std::array<std::string, kReferFieldCount>& fields) {
    // A box left empty, or holding spaces only, shows its placeholder again,
    // and the checks read that.
    std::array<std::string_view, kReferFieldCount> trimmed;
    for (int i = 0; i < kReferFieldCount; ++i) {
        trimmed[i] = TrimSpaces(fields[i]);
        if (trimmed[i].empty())
            trimmed[i] = kReferPlaceholders[i];
    }
    if (trimmed[kReferEmail] == trimmed[kReferFriendEmail])
        return {false, "Please Enter Distinct Email Addresses"};
    if (!LooksProper(trimmed[kReferEmail]) || !LooksProper(trimmed[kReferFriendEmail]))
        return {false, "Please Enter Proper Email Address"};
    for (int i = 0; i < kReferFieldCount; ++i) {
        if (trimmed[i].empty() || trimmed[i] == kReferPlaceholders[i])
            return {false, std::string(kNotFilledMessages[i])};
    }
    std::string address = MainSiteRoot() + "tell-a-friend.html?";
    for (int i = 0; i < kReferFieldCount; ++i) {
        address += (i == 0 ? "taf" : "&taf") + std::to_string(i + 1) + "=";
        address += PercentEncoded(trimmed[i]);
    }
    address += "&taf6=" + ProductSiteRoot();
    return {true, address};
}

} // namespace korvane
