#pragma once

#include "reading_display.h"

#include <map>
#include <string>
#include <vector>

namespace korvane {

// Records what the readings write, in order.
class RecordingFengShuiDisplay : public FengShuiDisplay {
public:
    void SetPurposeColourName(Purpose purpose, const std::string& name) override {
        names[purpose] = name;
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
    void SetCarColour(const std::string& v) override { Write("car colour", v); }
    void SetCarColourDescription(const std::string& v) override { Write("description", v); }
    void SetKuaNumber(const std::string& v) override { Write("kua", v); }
    void SetRulingPlanet(const std::string& v) override { Write("planet", v); }
    void SetSunSign(const std::string& v) override { Write("sign", v); }
    void SetSunSignDescription(const std::string& v) override { Write("sign text", v); }
    void SetCarColourSwatch(ColourValue colour) override {
        swatch = colour;
        order.push_back("swatch");
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> order;
    ColourValue swatch = 0xFFFFFFFF;

private:
    void Write(const std::string& what, const std::string& value) {
        values[what] = value;
        order.push_back(what);
    }
};

} // namespace korvane
