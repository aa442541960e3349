// The native side of the web page's parity test: the engine's functions as
// the desktop program calls them, from the library it links, answering one
// line for each line read. Fields are parted by tabs; texts are the keys of
// their catalogue entries.
//   identity                          caption, product name, the three hosts
//   read NAME MALE FEMALE DAY MONTH YEAR   (list positions)
//                                     problem TEXT ICON FOCUS, or
//                                     reading KUA SIGN PLANET COLOUR COLOUR-TEXT SWATCH
//                                             SIGN-TEXT, NAME SWATCH per purpose, then the
//                                             year, Kua 5 and Li Chun lines (in English),
//                                             NAYIN ELEMENT RULE SUIT AVOID and the element
//                                             tab's Li Chun line
//   email TEXT                        ok, or refused TEXT
//   refer NAME EMAIL FRIEND FRIEND-EMAIL   sent ADDRESS, or refused TEXT BOX
#include "birth_date_lists.h"
#include "birth_details_check.h"
#include "catalogue.h"
#include "korvane_identity.h"
#include "month_names.h"
#include "reading_for.h"
#include "reading_phrases.h"
#include "refer_request.h"

#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

using namespace korvane;

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

std::string Key(std::optional<TextId> text) {
    return text ? std::string(TextKey(*text)) : std::string();
}

std::string Swatch(std::optional<ColourValue> colour) {
    if (!colour)
        return "";
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(*colour), GreenOf(*colour),
                  BlueOf(*colour));
    return text;
}

// A phrase filled in with the English texts; empty for none.
std::string English(const std::optional<Phrase>& phrase) {
    return phrase ? Filled(*phrase, EnglishText) : std::string();
}

// NAME SWATCH pairs, parted by commas.
std::string Colours(const std::vector<ElementColour>& colours) {
    std::string out;
    for (const ElementColour& colour : colours)
        out += (out.empty() ? "" : ",") + Key(colour.name) + ' ' + Swatch(colour.swatch);
    return out;
}

std::string Read(const std::vector<std::string>& f) {
    const int day = std::stoi(f[4]), month = std::stoi(f[5]), year = std::stoi(f[6]);
    const BirthDetails details = {f[1], f[2] == "1", f[3] == "1", day, month, year};
    if (const auto problem = CheckBirthDetails(details)) {
        static constexpr std::array<const char*, 3> kFocus = {"name", "proceed", "unchanged"};
        return "problem\t" + Key(problem->text) + '\t' +
               (problem->icon == ProblemIcon::Critical ? "critical" : "information") + '\t' +
               kFocus[static_cast<int>(problem->focus)];
    }
    const auto birth = BirthOf(details);
    const auto reading = birth ? ReadingFor(*birth) : std::nullopt;
    if (!reading)
        return "no reading";
    const AstrologyResult& astrology = reading->astrology;
    std::string out = "reading\t" + std::to_string(reading->kuaNumber) + '\t' +
                      Key(astrology.sunSign) + '\t' + Key(astrology.rulingPlanet) + '\t' +
                      Key(astrology.carColour) + '\t' + Key(astrology.carColourText) + '\t' +
                      Swatch(astrology.carColourSwatch) + '\t' + Key(astrology.sunSignText);
    for (const PurposeColour& purpose : reading->purposes)
        out += '\t' + Key(purpose.name) + '\t' + Swatch(purpose.swatch);
    for (const auto& phrase : {std::optional(FengShuiYearPhrase(*reading)), KuaFivePhrase(*reading),
                               FengShuiLiChunDayPhrase(*reading)})
        out += '\t' + English(phrase);
    out += '\t' + Key(NayinName(reading->elements.cycle.nayin)) + '\t' +
           Key(ElementName(reading->elements.element)) + '\t' +
           English(ElementRulePhrase(*reading)) + '\t' + Colours(reading->elements.suit) + '\t' +
           Colours(reading->elements.avoid) + '\t' + English(ElementsLiChunDayPhrase(*reading));
    return out;
}

std::string Refer(const std::vector<std::string>& f, const SiteHosts& hosts) {
    static constexpr std::array<const char*, kReferFieldCount> kBoxes = {
        "name", "email", "message", "friendName", "friendEmail"};
    const ReferOutcome outcome =
        ReferAFriend({f[1], f[2], std::string(kReferMessageFirstText), f[3], f[4]}, hosts,
                     ReferPlaceholdersIn(EnglishText));
    if (!outcome.message)
        return "sent\t" + outcome.address;
    return "refused\t" + Key(outcome.message) + '\t' +
           (outcome.field ? kBoxes[*outcome.field] : "");
}

} // namespace

int main() {
    const SiteHosts hosts = {KORVANE_MAIN_SITE_HOST, KORVANE_HELP_SITE_HOST,
                             KORVANE_PRODUCT_SITE_HOST};
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::vector<std::string> f = Fields(line);
        std::string answer;
        if (f[0] == "identity" && f.size() == 1) {
            answer = std::string(KORVANE_CAPTION) + '\t' + KORVANE_PRODUCT_NAME + '\t' +
                     KORVANE_MAIN_SITE_HOST + '\t' + KORVANE_HELP_SITE_HOST + '\t' +
                     KORVANE_PRODUCT_SITE_HOST;
        } else if (f[0] == "read" && f.size() == 7) {
            answer = Read(f);
        } else if (f[0] == "email" && f.size() == 2) {
            const auto refusal = EmailBoxRefusal(f[1]);
            answer = refusal ? "refused\t" + Key(refusal) : "ok";
        } else if (f[0] == "refer" && f.size() == 5) {
            answer = Refer(f, hosts);
        } else {
            answer = "unknown\t" + line;
        }
        std::cout << answer << '\n';
    }
    return 0;
}
