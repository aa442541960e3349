#pragma once

#include "reading_display.h"

#include <map>
#include <string>
#include <vector>

namespace korvane {

// Records what the readings write, in order.
class RecordingFengShuiDisplay : public FengShuiDisplay {
public:
    void SetPurposeColourName(Purpose purpose, std::string_view name) override {
        names[purpose] = std::string(name);
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
    void SetCarColour(std::string_view v) override { Write("car colour", v); }
    void SetCarColourDescription(std::string_view v) override { Write("description", v); }
    void SetKuaNumber(std::string_view v) override { Write("kua", v); }
    void SetRulingPlanet(std::string_view v) override { Write("planet", v); }
    void SetSunSign(std::string_view v) override { Write("sign", v); }
    void SetSunSignDescription(std::string_view v) override { Write("sign text", v); }
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
