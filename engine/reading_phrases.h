#pragma once

#include "phrase.h"
#include "reading_for.h"

#include <optional>

namespace korvane {

// What a reading says besides its colours, as phrases for each face to fill
// in with its language.

// "Wood Tiger (甲寅)": a year's stem and branch, with their characters.
Phrase YearNamePhrase(int year);

// "Feng Shui year 1974, Wood Tiger (甲寅): born before Li Chun, 4 February 1975".
Phrase FengShuiYearPhrase(const Reading& reading);

// For a Kua number of 5: whose directions it takes; nothing otherwise.
std::optional<Phrase> KuaFivePhrase(const Reading& reading);

// For a birth on the day of Li Chun: the moment and what a birth before it
// would be given, on the Feng Shui tab and on the element tab.
std::optional<Phrase> FengShuiLiChunDayPhrase(const Reading& reading);
std::optional<Phrase> ElementsLiChunDayPhrase(const Reading& reading);

// "Earth (土) produces Metal (金), and Fire (火) overcomes it."
Phrase ElementRulePhrase(const Reading& reading);

} // namespace korvane
