#pragma once

#include "colour.h"

#include <string_view>

namespace korvane {

enum class Purpose { Success, Health, Relationships, PersonalDevelopment };

// Where the Feng Shui reading shows its four purpose colours.
class FengShuiDisplay {
public:
    virtual ~FengShuiDisplay() = default;
    virtual void SetPurposeColourName(Purpose purpose, std::string_view name) = 0;
    virtual void SetPurposeSwatch(Purpose purpose, ColourValue colour) = 0;
};

// Where the astrology reading shows its results, written in the order of
// the declarations below.
class AstrologyDisplay {
public:
    virtual ~AstrologyDisplay() = default;
    virtual void SetCarColour(std::string_view name) = 0;
    virtual void SetCarColourDescription(std::string_view description) = 0;
    virtual void SetKuaNumber(std::string_view number) = 0;
    virtual void SetRulingPlanet(std::string_view planet) = 0;
    virtual void SetSunSign(std::string_view sign) = 0;
    virtual void SetSunSignDescription(std::string_view text) = 0;
    virtual void SetCarColourSwatch(ColourValue colour) = 0;
};

} // namespace korvane
