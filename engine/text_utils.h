#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// Removes leading and trailing blanks (spaces only; tabs and line breaks stay).
std::string TrimBlanks(std::string_view text);

// The same, as a view into the text.
std::string_view TrimmedBlanks(std::string_view text);

// Reads a whole text as a decimal integer that fits 16 bits: an optional sign
// followed by digits, leading zeros allowed. Anything else gives nothing.
std::optional<std::int16_t> ParseInt16(std::string_view text);

} // namespace korvane
