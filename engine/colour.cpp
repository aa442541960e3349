#include "colour.h"

#include "text_utils.h"

#include <algorithm>
#include <vector>

namespace korvane {
namespace {

std::vector<std::string_view> SplitAtCommas(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (;;) {
        const auto comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

} // namespace

std::optional<ColourValue> RGBTextToColour(std::string_view rgbText) {
    const auto pieces = SplitAtCommas(rgbText);
    if (pieces.size() < 3)
        return std::nullopt;
    int components[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto value = ParseInt16(pieces[i]);
        if (!value)
            return std::nullopt;
        components[i] = std::clamp<int>(*value, 0, 255);
    }
    return MakeColour(components[0], components[1], components[2]);
}

} // namespace korvane
