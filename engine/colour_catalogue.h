#pragma once

#include "korvane_texts.h"

#include <array>
#include <string_view>

namespace korvane {

struct CatalogueColour {
    TextId name;
    std::string_view rgbText;
    TextId description;
};

inline constexpr int kCatalogueSize = 15;

// The fifteen car colours of the astrology reading, in the order the
// half-months of the year walk through them.
const std::array<CatalogueColour, kCatalogueSize>& ColourCatalogue();

} // namespace korvane
