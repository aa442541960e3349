#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvane {

// A 24-bit colour value with red in the lowest byte, green in the middle byte
// and blue in the highest: red + 256 * green + 65536 * blue.
using ColourValue = std::uint32_t;

constexpr int RedOf(ColourValue c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColourValue c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColourValue c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr ColourValue MakeColour(int red, int green, int blue) {
    return static_cast<ColourValue>(red) | static_cast<ColourValue>(green) << 8 |
           static_cast<ColourValue>(blue) << 16;
}

// Converts an RGB text ("255,128,0,": red, green and blue, each followed by a
// comma; leading zeros allowed) into a colour value. Pieces after the third
// are ignored. Nothing comes back when there are fewer than three pieces or a
// piece is not a 16-bit number; components outside 0 to 255 are clamped.
std::optional<ColourValue> RGBTextToColour(std::string_view rgbText);

} // namespace korvane
