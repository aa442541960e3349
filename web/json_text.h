#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Appends the text as a JSON string, quotes included. The bytes are UTF-8
// already; only quotes, backslashes and control characters are escaped.
inline void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

// Appends "name": followed by the text as a JSON string.
inline void AppendJsonField(std::string& out, std::string_view name, std::string_view text) {
    AppendJsonString(out, name);
    out += ':';
    AppendJsonString(out, text);
}

} // namespace korvane
