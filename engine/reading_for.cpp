#include "reading_for.h"

#include "astrology.h"
#include "feng_shui.h"

namespace korvane {
namespace {

class FengShuiValues : public FengShuiDisplay {
public:
    explicit FengShuiValues(Reading& reading) : reading_(reading) {}
    void SetPurposeColourName(Purpose purpose, std::optional<TextId> name) override {
        reading_.purposes[static_cast<int>(purpose)].name = name;
    }
    void SetPurposeSwatch(Purpose purpose, ColourValue colour) override {
        reading_.purposes[static_cast<int>(purpose)].swatch = colour;
    }

private:
    Reading& reading_;
};

class AstrologyValues : public AstrologyDisplay {
public:
    explicit AstrologyValues(Reading& reading) : reading_(reading) {}
    void SetCarColour(TextId name) override { reading_.carColour = name; }
    void SetCarColourDescription(TextId description) override {
        reading_.carColourDescription = description;
    }
    void SetKuaNumber(std::string_view number) override { reading_.kuaNumber = number; }
    void SetRulingPlanet(TextId planet) override { reading_.rulingPlanet = planet; }
    void SetSunSign(TextId sign) override { reading_.sunSign = sign; }
    void SetSunSignDescription(TextId text) override { reading_.sunSignDescription = text; }
    void SetCarColourSwatch(ColourValue colour) override { reading_.carColourSwatch = colour; }

private:
    Reading& reading_;
};

} // namespace

Reading ReadingFor(const BirthDetails& details, ReadingRecord& record) {
    FillReadingRecord(record, details);
    Reading reading;
    FengShuiValues fengShui(reading);
    FengShuiReading(record.intKuaNumber, record, fengShui);
    AstrologyValues astrology(reading);
    AstrologyReading(record, astrology);
    return reading;
}

Reading ReadingFor(const BirthDetails& details) {
    ReadingRecord record;
    return ReadingFor(details, record);
}

void ShowReading(const Reading& reading, FengShuiDisplay& fengShui, AstrologyDisplay& astrology) {
    for (std::size_t i = 0; i < reading.purposes.size(); ++i) {
        const auto purpose = static_cast<Purpose>(i);
        fengShui.SetPurposeColourName(purpose, reading.purposes[i].name);
        if (reading.purposes[i].swatch)
            fengShui.SetPurposeSwatch(purpose, *reading.purposes[i].swatch);
    }
    if (reading.carColour)
        astrology.SetCarColour(*reading.carColour);
    if (reading.carColourDescription)
        astrology.SetCarColourDescription(*reading.carColourDescription);
    astrology.SetKuaNumber(reading.kuaNumber);
    if (reading.rulingPlanet)
        astrology.SetRulingPlanet(*reading.rulingPlanet);
    if (reading.sunSign)
        astrology.SetSunSign(*reading.sunSign);
    if (reading.sunSignDescription)
        astrology.SetSunSignDescription(*reading.sunSignDescription);
    if (reading.carColourSwatch)
        astrology.SetCarColourSwatch(*reading.carColourSwatch);
}

} // namespace korvane
