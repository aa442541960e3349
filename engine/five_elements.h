#pragma once

#include "colour.h"
#include "korvane_texts.h"

#include <cstdint>
#include <span>

namespace korvane {

// The five elements (五行).
enum class Element : std::uint8_t { Metal, Water, Wood, Fire, Earth };

TextId ElementName(Element element);

// The element that produces it: Earth -> Metal -> Water -> Wood -> Fire -> Earth.
Element ProducerOf(Element element);

// The element that overcomes it: Fire -> Metal, Earth -> Water,
// Metal -> Wood, Water -> Fire, Wood -> Earth.
Element OvercomerOf(Element element);

struct ElementColour {
    TextId name;
    ColourValue swatch;
    friend bool operator==(const ElementColour&, const ElementColour&) = default;
};

// The usual car colours of an element, each with its usual shade.
std::span<const ElementColour> ColoursOf(Element element);

} // namespace korvane
