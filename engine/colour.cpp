#include "colour.h"

#include "text_utils.h"

#include <algorithm>

namespace korvane {

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
        const auto value = ParseInt16(rgbText.substr(start, end - start));
        if (!value)
            return std::nullopt;
        component = std::clamp<int>(*value, 0, 255);
        start = end + 1;
    }
    return MakeColour(components[0], components[1], components[2]);
}

} // namespace korvane
