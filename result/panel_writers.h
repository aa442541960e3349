#pragma once

#include "reading_display.h"

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

// Puts the astrology reading into the result window's astrology panel, in
// the program's language.
class AstrologyPanelWriter : public AstrologyDisplay {
public:
    explicit AstrologyPanelWriter(const AstrologyPanelControls& controls) : controls_(controls) {}

    void SetCarColour(TextId name) override;
    void SetCarColourDescription(TextId description) override;
    void SetKuaNumber(std::string_view number) override;
    void SetRulingPlanet(TextId planet) override;
    void SetSunSign(TextId sign) override;
    void SetSunSignDescription(TextId text) override;
    void SetCarColourSwatch(ColourValue colour) override;

private:
    AstrologyPanelControls controls_;
};

// The controls of the Feng Shui panel, one colour name and one swatch per
// purpose, in the order of Purpose.
struct FengShuiPanelControls {
    std::array<ValueLabel*, 4> colourNames{};
    std::array<Swatch*, 4> swatches{};
};

// Puts the Feng Shui reading into the result window's Feng Shui panel.
class FengShuiPanelWriter : public FengShuiDisplay {
public:
    explicit FengShuiPanelWriter(const FengShuiPanelControls& controls) : controls_(controls) {}

    void SetPurposeColourName(Purpose purpose, std::optional<TextId> name) override;
    void SetPurposeSwatch(Purpose purpose, ColourValue colour) override;

private:
    FengShuiPanelControls controls_;
};

} // namespace korvane
