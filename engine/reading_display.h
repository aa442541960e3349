#pragma once

#include "colour.h"
#include "korvane_texts.h"

#include <optional>
#include <string_view>

namespace korvane {

enum class Purpose { Success, Health, Relationships, PersonalDevelopment };

// Where the Feng Shui reading shows its four purpose colours.
class FengShuiDisplay {
public:
    virtual ~FengShuiDisplay() = default;
    // Nothing when the purpose has no colour: the name is emptied.
    virtual void SetPurposeColourName(Purpose purpose, std::optional<TextId> name) = 0;
    virtual void SetPurposeSwatch(Purpose purpose, ColourValue colour) = 0;
};

// Where the astrology reading shows its results, written in the order of
// the declarations below. Texts come as their catalogue entries, for the
// display to show in its language.
class AstrologyDisplay {
public:
    virtual ~AstrologyDisplay() = default;
    virtual void SetCarColour(TextId name) = 0;
    virtual void SetCarColourDescription(TextId description) = 0;
    virtual void SetKuaNumber(std::string_view number) = 0;
    virtual void SetRulingPlanet(TextId planet) = 0;
    virtual void SetSunSign(TextId sign) = 0;
    virtual void SetSunSignDescription(TextId text) = 0;
    virtual void SetCarColourSwatch(ColourValue colour) = 0;
};

} // namespace korvane
