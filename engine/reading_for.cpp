#include "reading_for.h"

#include "kua_number.h"

namespace korvane {

ElementsReading ElementsReadingFor(int year) {
    ElementsReading reading;
    reading.cycle = CycleYearOf(year);
    reading.element = NayinElement(reading.cycle.nayin);
    for (const Element element : {reading.element, ProducerOf(reading.element)}) {
        const auto colours = ColoursOf(element);
        reading.suit.insert(reading.suit.end(), colours.begin(), colours.end());
    }
    const auto avoid = ColoursOf(OvercomerOf(reading.element));
    reading.avoid.assign(avoid.begin(), avoid.end());
    return reading;
}

std::optional<Reading> ReadingFor(const Birth& birth) {
    if (!IsRealDate(birth.date))
        return std::nullopt;
    const auto year = FengShuiYearOf(birth.date);
    if (!year)
        return std::nullopt;
    Reading reading;
    reading.birth = birth;
    reading.year = *year;
    reading.kuaNumber = GetKuaNumber(year->year, birth.sex);
    reading.directionsKua = DirectionsKua(reading.kuaNumber, birth.sex);
    reading.purposes = FengShuiReading(reading.kuaNumber, birth.sex);
    // The sun sign keeps the date as entered.
    reading.astrology = AstrologyReading(birth.date.day, birth.date.month);
    reading.elements = ElementsReadingFor(year->year);
    if (year->yearBeforeTheMoment) {
        const int before = *year->yearBeforeTheMoment;
        const auto cycle = CycleYearOf(before);
        reading.beforeTheMoment = BeforeTheMoment{before, GetKuaNumber(before, birth.sex), cycle,
                                                  NayinElement(cycle.nayin)};
    }
    return reading;
}

} // namespace korvane
