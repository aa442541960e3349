#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace korvane {

// The paragraphs of each sun sign's description, in zodiac order
// (index 0 is Aries, 11 is Pisces). Joined for display elsewhere.
const std::array<std::vector<std::string_view>, 12>& SignParagraphs();

// The one-paragraph description of each colour of the colour catalogue,
// in catalogue order (index 0 is Violet, 14 is Turquoise).
const std::array<std::string_view, 15>& ColourDescriptions();

} // namespace korvane
