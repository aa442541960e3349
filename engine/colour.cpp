#include "colour.h"

#include "text_utils.h"

#include <algorithm>

namespace korvane {

namespace {

// The usual piece: one to three plain digits. Read in place; anything else
// goes through the general conversion.
std::optional<int> ReadComponent(std::string_view piece) {
    if (!piece.empty() && piece.size() <= 3) {
        int value = 0;
        bool digits = true;
        for (const char c : piece) {
            digits = digits && c >= '0' && c <= '9';
            value = value * 10 + (c - '0');
        }
        if (digits)
            return std::min(value, 255);
    }
    const auto value = ParseInt16(piece);
    if (!value)
        return std::nullopt;
    return std::clamp<int>(*value, 0, 255);
}

} // namespace

std::optional<ColourValue> RGBTextToColour(std::string_view rgbText) {
    // Split at every comma; only the first three pieces count.
    int components[3] = {};
    std::size_t start = 0;
    for (int& component : components) {
        if (start > rgbText.size())
            return std::nullopt; // fewer than three pieces
        std::size_t end = start;
        while (end < rgbText.size() && rgbText[end] != ',')
            ++end;
        const auto value = ReadComponent(rgbText.substr(start, end - start));
        if (!value)
            return std::nullopt;
        component = *value;
        start = end + 1;
    }
    return MakeColour(components[0], components[1], components[2]);
}

} // namespace korvane
