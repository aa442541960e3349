#include "text_utils.h"

#include <cstdint>

namespace korvane {

std::string_view TrimmedBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<std::int16_t> ParseInt16(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Leading zeros may make the text long; the value is what counts.
    std::int32_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 32768)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::string_view WithoutFinalFullStop(std::string_view text) {
    for (const std::string_view stop : {std::string_view("."), std::string_view("\u3002")}) {
        if (text.ends_with(stop))
            return text.substr(0, text.size() - stop.size());
    }
    return text;
}

} // namespace korvane
