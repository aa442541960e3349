#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvane {

// The text without its leading and trailing blanks (spaces only; tabs and
// line breaks stay), as a view into it.
std::string_view TrimmedBlanks(std::string_view text);

// The text without the full stop that ends it ("." or the ideographic "。"),
// as the result window shows the forum invitation.
std::string_view WithoutFinalFullStop(std::string_view text);

// Reads a whole text as a decimal integer that fits 16 bits: an optional sign
// followed by digits, leading zeros allowed. Anything else gives nothing.
std::optional<std::int16_t> ParseInt16(std::string_view text);

} // namespace korvane
