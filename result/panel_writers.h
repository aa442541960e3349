#pragma once

#include "reading_display.h"

namespace korvane {

class frmLuckyCarResult;

// Puts the astrology reading into the result window's astrology panel.
class AstrologyPanelWriter : public AstrologyDisplay {
public:
    explicit AstrologyPanelWriter(frmLuckyCarResult& window) : window_(window) {}

    void SetCarColour(std::string_view name) override;
    void SetCarColourDescription(std::string_view description) override;
    void SetKuaNumber(std::string_view number) override;
    void SetRulingPlanet(std::string_view planet) override;
    void SetSunSign(std::string_view sign) override;
    void SetSunSignDescription(std::string_view text) override;
    void SetCarColourSwatch(ColourValue colour) override;

private:
    frmLuckyCarResult& window_;
};

// Puts the Feng Shui reading into the result window's Feng Shui panel.
class FengShuiPanelWriter : public FengShuiDisplay {
public:
    explicit FengShuiPanelWriter(frmLuckyCarResult& window) : window_(window) {}

    void SetPurposeColourName(Purpose purpose, std::string_view name) override;
    void SetPurposeSwatch(Purpose purpose, ColourValue colour) override;

private:
    frmLuckyCarResult& window_;
};

} // namespace korvane
