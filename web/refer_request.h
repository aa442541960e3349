#pragma once

#include "web_texts.h"

#include <array>
#include <string>
#include <string_view>

namespace korvane {

inline constexpr std::array<std::string_view, kReferFieldCount> kReferPlaceholders = {
    "Your Name", "Your Email Address", "Your Message", "Friend's Name", "Friend's Email Address"};

// The message box is never shown: it keeps its first text, line break included.
inline constexpr std::string_view kReferMessageText = "Your Message\r\n";

inline constexpr std::string_view kEmailSpaceRefusal = "Email Address Cannot Contain Space";

// Either the message for the first thing that is wrong, or the request address.
struct ReferOutcome {
    bool ok = false;
    std::string text; // the message, or the address when ok
};

// Checks the five fields as typed (distinct and proper e-mail addresses,
// then every field filled; an empty field counts as showing its
// placeholder) and composes the request address, with every
// value percent-encoded.
ReferOutcome ReferAFriend(const std::array<std::string, kReferFieldCount>& fields);

// Removes leading and trailing spaces only.
std::string_view TrimSpaces(std::string_view text);

// UTF-8 with everything but the unreserved characters escaped.
std::string PercentEncoded(std::string_view text);

} // namespace korvane
