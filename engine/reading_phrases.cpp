#include "reading_phrases.h"

#include <string>

namespace korvane {
namespace {

Phrase Number(int value) {
    return Phrase::Plain(std::to_string(value));
}

Phrase TwoDigits(int value) {
    return Phrase::Plain((value < 10 ? "0" : "") + std::to_string(value));
}

Phrase LiChunDatePhrase(const LiChunMoment& moment) {
    return Phrase::Of(TextId::LiChunDate, {Number(moment.day), Number(moment.year)});
}

Phrase LiChunTimePhrase(const LiChunMoment& moment) {
    return Phrase::Of(TextId::TimeClock, {TwoDigits(moment.hour), TwoDigits(moment.minute)});
}

TextId ReasonText(LiChunSide side) {
    switch (side) {
    case LiChunSide::Before:
        return TextId::LiChunBefore;
    case LiChunSide::OnTheDay:
        return TextId::LiChunOn;
    case LiChunSide::After:
        break;
    }
    return TextId::LiChunAfter;
}

} // namespace

Phrase YearNamePhrase(int year) {
    const CycleYear cycle = CycleYearOf(year);
    return Phrase::Of(TextId::CycleYearName,
                      {Phrase::Of(StemName(cycle.stem)), Phrase::Of(BranchName(cycle.branch)),
                       Phrase::Of(StemCharacter(cycle.stem)),
                       Phrase::Of(BranchCharacter(cycle.branch))});
}

Phrase FengShuiYearPhrase(const Reading& reading) {
    const FengShuiYear& year = reading.year;
    return Phrase::Of(TextId::FengShuiYear,
                      {Number(year.year), YearNamePhrase(year.year),
                       Phrase::Of(ReasonText(year.side), {LiChunDatePhrase(year.liChun)})});
}

std::optional<Phrase> KuaFivePhrase(const Reading& reading) {
    if (reading.kuaNumber != 5)
        return std::nullopt;
    return Phrase::Of(reading.birth.sex == Sex::Male ? TextId::FengShuiKuaFiveMale
                                                     : TextId::FengShuiKuaFiveFemale);
}

std::optional<Phrase> FengShuiLiChunDayPhrase(const Reading& reading) {
    if (!reading.beforeTheMoment)
        return std::nullopt;
    const BeforeTheMoment& before = *reading.beforeTheMoment;
    return Phrase::Of(TextId::FengShuiLiChunDay,
                      {LiChunTimePhrase(reading.year.liChun), LiChunDatePhrase(reading.year.liChun),
                       Number(before.year), Number(before.kuaNumber)});
}

std::optional<Phrase> ElementsLiChunDayPhrase(const Reading& reading) {
    if (!reading.beforeTheMoment)
        return std::nullopt;
    const BeforeTheMoment& before = *reading.beforeTheMoment;
    return Phrase::Of(TextId::ElementsLiChunDay,
                      {LiChunTimePhrase(reading.year.liChun), LiChunDatePhrase(reading.year.liChun),
                       Number(before.year), YearNamePhrase(before.year),
                       Phrase::Of(ElementName(before.element))});
}

Phrase ElementRulePhrase(const Reading& reading) {
    const Element element = reading.elements.element;
    return Phrase::Of(TextId::ElementsRule, {Phrase::Of(ElementName(element)),
                                             Phrase::Of(ElementName(ProducerOf(element))),
                                             Phrase::Of(ElementName(OvercomerOf(element)))});
}

} // namespace korvane
