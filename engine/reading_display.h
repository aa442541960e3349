#pragma once

#include "colour.h"

#include <string>

namespace korvane {

enum class Purpose { Success, Health, Relationships, PersonalDevelopment };

// Where the Feng Shui reading shows its four purpose colours.
class FengShuiDisplay {
public:
    virtual ~FengShuiDisplay() = default;
    virtual void SetPurposeColourName(Purpose purpose, const std::string& name) = 0;
    virtual void SetPurposeSwatch(Purpose purpose, ColourValue colour) = 0;
};

// Where the astrology reading shows its results, written in the order of
// the declarations below.
class AstrologyDisplay {
public:
    virtual ~AstrologyDisplay() = default;
    virtual void SetCarColour(const std::string& name) = 0;
    virtual void SetCarColourDescription(const std::string& description) = 0;
    virtual void SetKuaNumber(const std::string& number) = 0;
    virtual void SetRulingPlanet(const std::string& planet) = 0;
    virtual void SetSunSign(const std::string& sign) = 0;
    virtual void SetSunSignDescription(const std::string& text) = 0;
    virtual void SetCarColourSwatch(ColourValue colour) = 0;
};

} // namespace korvane
