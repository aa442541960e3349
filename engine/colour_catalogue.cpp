#include "colour_catalogue.h"

#include "reading_texts.h"

namespace korvane {

const std::array<CatalogueColour, kCatalogueSize>& ColourCatalogue() {
    struct NameAndRgb {
        std::string_view name;
        std::string_view rgbText;
    };
    // The stored triples are the swatches, also where they differ from the
    // usual shade of the name.
    static constexpr std::array<NameAndRgb, kCatalogueSize> kColours = {{
        {"Violet", "120,00,120,"},
        {"Indigo", "100,100,220,"},
        {"Blue", "00,00,255,"},
        {"Green", "00,255,00,"},
        {"Yellow", "255,255,0,"},
        {"Orange", "255,128,0,"},
        {"Red", "255,00,00,"},
        {"White", "255,255,255,"},
        {"Lavender", "255,50,120,"},
        {"Gold", "128,128,0,"},
        {"Peach", "200,120,40,"},
        {"Pink", "255,90,180,"},
        {"Brown", "160,100,50,"},
        {"Black", "00,00,00,"},
        {"Turquoise", "40,180,180,"},
    }};
    static const std::array<CatalogueColour, kCatalogueSize> catalogue = [] {
        const auto& descriptions = ColourDescriptions();
        std::array<CatalogueColour, kCatalogueSize> entries;
        for (int i = 0; i < kCatalogueSize; ++i)
            entries[i] = {kColours[i].name, kColours[i].rgbText, descriptions[i]};
        return entries;
    }();
    return catalogue;
}

} // namespace korvane
