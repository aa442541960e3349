#include "five_elements.h"

#include <array>

namespace korvane {
namespace {

constexpr std::size_t Index(Element element) {
    return static_cast<std::size_t>(element);
}

// A colour name shows one swatch throughout the program: these shades are
// the ones the other readings give the same names. The Feng Shui reading's
// "Brown" is a dark red, so the earth's brown has a name of its own.
constexpr ElementColour kWhite{TextId::ColourWhite, MakeColour(255, 255, 255)};
constexpr ElementColour kSilver{TextId::ColourSilver, MakeColour(192, 192, 192)};
constexpr ElementColour kGrey{TextId::ColourGrey, MakeColour(128, 128, 128)};
constexpr ElementColour kBlack{TextId::ColourBlack, MakeColour(0, 0, 0)};
constexpr ElementColour kBlue{TextId::ColourBlue, MakeColour(0, 0, 255)};
constexpr ElementColour kGreen{TextId::ColourGreen, MakeColour(0, 255, 0)};
constexpr ElementColour kRed{TextId::ColourRed, MakeColour(255, 0, 0)};
constexpr ElementColour kPink{TextId::ColourPink, MakeColour(255, 90, 180)};
constexpr ElementColour kPurple{TextId::ColourPurple, MakeColour(128, 0, 128)};
constexpr ElementColour kYellow{TextId::ColourYellow, MakeColour(255, 255, 0)};
constexpr ElementColour kEarthBrown{TextId::ColourEarthBrown, MakeColour(139, 90, 43)};
constexpr ElementColour kBeige{TextId::ColourBeige, MakeColour(255, 200, 150)};

constexpr std::array<ElementColour, 3> kMetalColours = {kWhite, kSilver, kGrey};
constexpr std::array<ElementColour, 2> kWaterColours = {kBlack, kBlue};
constexpr std::array<ElementColour, 1> kWoodColours = {kGreen};
constexpr std::array<ElementColour, 3> kFireColours = {kRed, kPink, kPurple};
constexpr std::array<ElementColour, 3> kEarthColours = {kYellow, kEarthBrown, kBeige};

} // namespace

TextId ElementName(Element element) {
    static constexpr std::array<TextId, 5> kNames = {TextId::ElementMetal, TextId::ElementWater,
                                                     TextId::ElementWood, TextId::ElementFire,
                                                     TextId::ElementEarth};
    return kNames[Index(element)];
}

Element ProducerOf(Element element) {
    static constexpr std::array<Element, 5> kProducers = {
        Element::Earth, // produces Metal
        Element::Metal, // produces Water
        Element::Water, // produces Wood
        Element::Wood,  // produces Fire
        Element::Fire,  // produces Earth
    };
    return kProducers[Index(element)];
}

Element OvercomerOf(Element element) {
    static constexpr std::array<Element, 5> kOvercomers = {
        Element::Fire,  // overcomes Metal
        Element::Earth, // overcomes Water
        Element::Metal, // overcomes Wood
        Element::Water, // overcomes Fire
        Element::Wood,  // overcomes Earth
    };
    return kOvercomers[Index(element)];
}

std::span<const ElementColour> ColoursOf(Element element) {
    switch (element) {
    case Element::Metal:
        return kMetalColours;
    case Element::Water:
        return kWaterColours;
    case Element::Wood:
        return kWoodColours;
    case Element::Fire:
        return kFireColours;
    case Element::Earth:
        return kEarthColours;
    }
    return {};
}

} // namespace korvane
