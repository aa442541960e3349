#pragma once

#include "catalogue.h"
#include "reading_display.h"

#include <map>
#include <string>
#include <vector>

namespace korvane {

// Records what the readings write, in order; texts as their English words.
class RecordingFengShuiDisplay : public FengShuiDisplay {
public:
    void SetPurposeColourName(Purpose purpose, std::optional<TextId> name) override {
        names[purpose] = name ? std::string(EnglishText(*name)) : std::string();
        calls.push_back("name");
    }
    void SetPurposeSwatch(Purpose purpose, ColourValue colour) override {
        swatches[purpose] = colour;
        calls.push_back("swatch");
    }

    std::map<Purpose, std::string> names;
    std::map<Purpose, ColourValue> swatches;
    std::vector<std::string> calls;
};

class RecordingAstrologyDisplay : public AstrologyDisplay {
public:
    void SetCarColour(TextId v) override { Write("car colour", EnglishText(v)); }
    void SetCarColourDescription(TextId v) override { Write("description", EnglishText(v)); }
    void SetKuaNumber(std::string_view v) override { Write("kua", v); }
    void SetRulingPlanet(TextId v) override { Write("planet", EnglishText(v)); }
    void SetSunSign(TextId v) override { Write("sign", EnglishText(v)); }
    void SetSunSignDescription(TextId v) override { Write("sign text", EnglishText(v)); }
    void SetCarColourSwatch(ColourValue colour) override {
        swatch = colour;
        order.push_back("swatch");
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> order;
    ColourValue swatch = 0xFFFFFFFF;

private:
    void Write(std::string_view what, std::string_view value) {
        values[std::string(what)] = std::string(value);
        order.push_back(std::string(what));
    }
};

} // namespace korvane
