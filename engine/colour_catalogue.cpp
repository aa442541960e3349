#include "colour_catalogue.h"

namespace korvane {

const std::array<CatalogueColour, kCatalogueSize>& ColourCatalogue() {
    // The stored triples are the swatches, also where they differ from the
    // usual shade of the name.
    static constexpr std::array<CatalogueColour, kCatalogueSize> kColours = {{
        {TextId::ColourViolet, "120,00,120,", TextId::ColourVioletText},
        {TextId::ColourIndigo, "100,100,220,", TextId::ColourIndigoText},
        {TextId::ColourBlue, "00,00,255,", TextId::ColourBlueText},
        {TextId::ColourGreen, "00,255,00,", TextId::ColourGreenText},
        {TextId::ColourYellow, "255,255,0,", TextId::ColourYellowText},
        {TextId::ColourOrange, "255,128,0,", TextId::ColourOrangeText},
        {TextId::ColourRed, "255,00,00,", TextId::ColourRedText},
        {TextId::ColourWhite, "255,255,255,", TextId::ColourWhiteText},
        {TextId::ColourLavender, "255,50,120,", TextId::ColourLavenderText},
        {TextId::ColourGold, "128,128,0,", TextId::ColourGoldText},
        {TextId::ColourPeach, "200,120,40,", TextId::ColourPeachText},
        {TextId::ColourPink, "255,90,180,", TextId::ColourPinkText},
        {TextId::ColourBrown, "160,100,50,", TextId::ColourBrownText},
        {TextId::ColourBlack, "00,00,00,", TextId::ColourBlackText},
        {TextId::ColourTurquoise, "40,180,180,", TextId::ColourTurquoiseText},
    }};
    return kColours;
}

} // namespace korvane
