#pragma once

#include "reading_for.h"

#include <array>

class QLabel;

namespace korvane {

class SunSignTextBox;
class Swatch;
class ValueLabel;

// The controls of the astrology panel that a reading fills.
struct AstrologyPanelControls {
    ValueLabel* carColour = nullptr;
    QLabel* carColourDescription = nullptr;
    ValueLabel* kuaNumber = nullptr;
    ValueLabel* rulingPlanet = nullptr;
    ValueLabel* sunSign = nullptr;
    SunSignTextBox* sunSignDescription = nullptr;
    Swatch* carColourSwatch = nullptr;
};

// Puts the astrology reading and the Kua number into the astrology panel, in
// the program's language.
void ShowAstrology(const Reading& reading, const AstrologyPanelControls& controls);

// The controls of the Feng Shui panel: one colour name and one swatch per
// purpose, in the order of kPurposes, and the lines under them.
struct FengShuiPanelControls {
    std::array<ValueLabel*, 4> colourNames{};
    std::array<Swatch*, 4> swatches{};
    QLabel* year = nullptr;
    QLabel* kuaFive = nullptr;
    QLabel* liChunDay = nullptr;
};

void ShowFengShui(const Reading& reading, const FengShuiPanelControls& controls);

} // namespace korvane
