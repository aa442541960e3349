#pragma once

#include "reading_display.h"

namespace korvane {

class frmLuckyCarResult;

// Puts the astrology reading into the result window's astrology panel.
class AstrologyPanelWriter : public AstrologyDisplay {
public:
    explicit AstrologyPanelWriter(frmLuckyCarResult& window) : window_(window) {}

    void SetCarColour(const std::string& name) override;
    void SetCarColourDescription(const std::string& description) override;
    void SetKuaNumber(const std::string& number) override;
    void SetRulingPlanet(const std::string& planet) override;
    void SetSunSign(const std::string& sign) override;
    void SetSunSignDescription(const std::string& text) override;
    void SetCarColourSwatch(ColourValue colour) override;

private:
    frmLuckyCarResult& window_;
};

// Puts the Feng Shui reading into the result window's Feng Shui panel.
class FengShuiPanelWriter : public FengShuiDisplay {
public:
    explicit FengShuiPanelWriter(frmLuckyCarResult& window) : window_(window) {}

    void SetPurposeColourName(Purpose purpose, const std::string& name) override;
    void SetPurposeSwatch(Purpose purpose, ColourValue colour) override;

private:
    frmLuckyCarResult& window_;
};

} // namespace korvane
