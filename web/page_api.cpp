// What the page asks of the engine, one call per action. A text comes in as
// its UTF-8 bytes and their count, in memory the page took with malloc; each
// answer is JSON in memory of its own, which the page frees once read. Texts
// go out as the keys of their catalogue entries: the page shows them in its
// language.
#include "birth_date_lists.h"
#include "birth_details_check.h"
#include "catalogue.h"
#include "json_text.h"
#include "korvane_identity.h"
#include "month_names.h"
#include "program_colours.h"
#include "reading_card.h"
#include "reading_for.h"
#include "reading_phrases.h"
#include "refer_request.h"
#include "text_utils.h"
#include "web_pages.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvane {
namespace {

constexpr int kDayCount = kLastListedDay - kFirstListedDay + 1;
constexpr int kYearCount = kLastListedYear - kFirstListedYear + 1;
constexpr SiteHosts kHosts = {KORVANE_MAIN_SITE_HOST, KORVANE_HELP_SITE_HOST,
                              KORVANE_PRODUCT_SITE_HOST};
// The names by which the page knows the refer-a-friend boxes.
constexpr std::array<std::string_view, kReferFieldCount> kReferBoxes = {
    "name", "email", "message", "friendName", "friendEmail"};

// The answer as the page takes it: a copy of its own, which it frees.
char* Handed(const std::string& json) {
    auto* out = static_cast<char*>(std::malloc(json.size() + 1));
    if (out != nullptr)
        std::memcpy(out, json.c_str(), json.size() + 1);
    return out;
}

std::string_view TextOf(const char* bytes, int size) {
    return bytes != nullptr && size > 0 ? std::string_view(bytes, static_cast<std::size_t>(size))
                                        : std::string_view();
}

std::string SwatchText(std::optional<ColourValue> colour) {
    if (!colour)
        return "";
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text = "#";
    for (const int component : {RedOf(*colour), GreenOf(*colour), BlueOf(*colour)}) {
        text += kHex[component >> 4];
        text += kHex[component & 0xF];
    }
    return text;
}

void AppendList(std::string& out, std::string_view name, int first, int count) {
    AppendJsonString(out, name);
    out += ":[";
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out += ',';
        AppendJsonString(out, std::to_string(first + i));
    }
    out += ']';
}

template <typename Entries>
void AppendObject(std::string& out, std::string_view name, const Entries& entries) {
    AppendJsonString(out, name);
    out += ":{";
    bool first = true;
    for (const auto& [key, text] : entries) {
        if (!first)
            out += ',';
        first = false;
        AppendJsonField(out, key, text);
    }
    out += '}';
}

// "name": followed by the catalogue key of the text, or "" for none.
void AppendKeyField(std::string& out, std::string_view name, std::optional<TextId> text) {
    AppendJsonField(out, name, text ? TextKey(*text) : std::string_view());
}

// The non-empty parts of a text, split at a separator.
template <typename Part> std::vector<Part> Parts(std::string_view text, char separator) {
    std::vector<Part> parts;
    while (!text.empty()) {
        const auto end = text.find(separator);
        if (end != 0)
            parts.emplace_back(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return parts;
}

bool InLists(int dayIndex, int monthIndex, int yearIndex) {
    return dayIndex >= 0 && dayIndex < kDayCount && monthIndex >= 0 &&
           monthIndex < static_cast<int>(kMonthTextIds.size()) && yearIndex >= 0 &&
           yearIndex < kYearCount;
}

// The birth details as the form holds them, by list positions.
BirthDetails DetailsFor(std::string_view name, bool male, bool female, int dayIndex, int monthIndex,
                        int yearIndex) {
    return {std::string(name), male, female, dayIndex, monthIndex, yearIndex};
}

// A phrase as the page fills it in: a plain value as a string, an entry as
// {"k": key, "a": [parts]}.
void AppendPhrase(std::string& out, const Phrase& phrase) {
    if (!phrase.text) {
        AppendJsonString(out, phrase.plain);
        return;
    }
    out += "{";
    AppendJsonField(out, "k", TextKey(*phrase.text));
    if (!phrase.parts.empty()) {
        out += ",\"a\":[";
        for (std::size_t i = 0; i < phrase.parts.size(); ++i) {
            if (i > 0)
                out += ',';
            AppendPhrase(out, phrase.parts[i]);
        }
        out += ']';
    }
    out += '}';
}

void AppendPhraseField(std::string& out, std::string_view name,
                       const std::optional<Phrase>& phrase) {
    AppendJsonString(out, name);
    out += ':';
    if (phrase)
        AppendPhrase(out, *phrase);
    else
        out += "null";
}

// [{"name": key, "swatch": "#rrggbb"}, ...]
template <typename Colours> void AppendColours(std::string& out, const Colours& colours) {
    out += '[';
    bool first = true;
    for (const auto& colour : colours) {
        if (!first)
            out += ',';
        first = false;
        out += '{';
        AppendKeyField(out, "name", colour.name);
        out += ',';
        AppendJsonField(out, "swatch", SwatchText(colour.swatch));
        out += '}';
    }
    out += ']';
}

std::string ReadingAnswer(const Reading& reading) {
    const AstrologyResult& astrology = reading.astrology;
    std::string out = "{\"ok\":true,\"reading\":{";
    AppendJsonField(out, "kuaNumber", std::to_string(reading.kuaNumber));
    out += ',';
    AppendKeyField(out, "sunSign", astrology.sunSign);
    out += ',';
    AppendKeyField(out, "rulingPlanet", astrology.rulingPlanet);
    out += ',';
    AppendKeyField(out, "sunSignText", astrology.sunSignText);
    out += ',';
    AppendKeyField(out, "carColour", astrology.carColour);
    out += ',';
    AppendKeyField(out, "carColourDescription", astrology.carColourText);
    out += ',';
    AppendJsonField(out, "carColourSwatch", SwatchText(astrology.carColourSwatch));
    out += ",\"purposes\":";
    AppendColours(out, reading.purposes);
    out += ',';
    AppendPhraseField(out, "year", FengShuiYearPhrase(reading));
    out += ',';
    AppendPhraseField(out, "kuaFive", KuaFivePhrase(reading));
    out += ',';
    AppendPhraseField(out, "liChunDay", FengShuiLiChunDayPhrase(reading));
    out += ",\"elements\":{";
    AppendKeyField(out, "nayin", NayinName(reading.elements.cycle.nayin));
    out += ',';
    AppendKeyField(out, "element", ElementName(reading.elements.element));
    out += ',';
    AppendPhraseField(out, "rule", ElementRulePhrase(reading));
    out += ",\"suit\":";
    AppendColours(out, reading.elements.suit);
    out += ",\"avoid\":";
    AppendColours(out, reading.elements.avoid);
    out += ',';
    AppendPhraseField(out, "liChunDay", ElementsLiChunDayPhrase(reading));
    out += "}}}";
    return out;
}

// The reading of details the form accepts; {"ok":false} for any other.
std::string ReadingAnswerFor(const BirthDetails& details) {
    const auto birth = BirthOf(details);
    const auto reading = birth ? ReadingFor(*birth) : std::nullopt;
    return reading ? ReadingAnswer(*reading) : std::string("{\"ok\":false}");
}

// A card's size in its units: whole numbers as such, halves with one decimal.
std::string Number(double value) {
    const auto tenths = static_cast<long>(value * 10 + (value < 0 ? -0.5 : 0.5));
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0)
        text += '.' + std::to_string(std::labs(tenths % 10));
    return text;
}

// The picture card as the page paints it: {"width", "height", "items": [...]},
// each item {"k": "box" | "icon" | "text", "x", "y", "w", "h", ...}.
std::string CardAnswer(const Card& card) {
    static constexpr std::array<std::string_view, 3> kKinds = {"box", "icon", "text"};
    std::string out =
        "{\"width\":" + Number(card.width) + ",\"height\":" + Number(card.height) + ",\"items\":[";
    for (std::size_t i = 0; i < card.items.size(); ++i) {
        const CardItem& item = card.items[i];
        if (i > 0)
            out += ',';
        out += '{';
        AppendJsonField(out, "k", kKinds[static_cast<int>(item.kind)]);
        for (const auto& [name, value] : {std::pair{"x", item.x}, std::pair{"y", item.y},
                                          std::pair{"w", item.width}, std::pair{"h", item.height}})
            out += ",\"" + std::string(name) + "\":" + Number(value);
        if (item.kind != CardItem::Kind::Icon) {
            out += ',';
            AppendJsonField(out, "colour", SwatchText(item.colour));
        }
        if (item.border) {
            out += ',';
            AppendJsonField(out, "border", SwatchText(*item.border));
            out += ",\"borderWidth\":" + Number(item.borderWidth);
        }
        if (item.kind == CardItem::Kind::Text) {
            out += ",\"size\":" + Number(item.size);
            out += item.bold ? ",\"bold\":true" : "";
            out += item.wrap ? ",\"wrap\":true" : "";
            out += ',';
            AppendPhraseField(out, "text", item.text);
        }
        out += '}';
    }
    out += "]}";
    return out;
}

std::string ProblemAnswer(const BirthDetailsProblem& problem) {
    static constexpr std::array<std::string_view, 3> kFocus = {"name", "proceed", "unchanged"};
    std::string out = "{\"ok\":false,";
    AppendKeyField(out, "text", problem.text);
    out += ',';
    AppendJsonField(out, "icon",
                    problem.icon == ProblemIcon::Critical ? "critical" : "information");
    out += ',';
    AppendJsonField(out, "focus", kFocus[static_cast<int>(problem.focus)]);
    out += '}';
    return out;
}

std::string PageAnswer() {
    std::string out = "{";
    AppendJsonField(out, "product", KORVANE_PRODUCT_NAME);
    out += ',';
    AppendJsonField(out, "caption", KORVANE_CAPTION);
    out += ',';
    AppendList(out, "days", kFirstListedDay, kDayCount);
    out += ",\"months\":[";
    for (std::size_t i = 0; i < kMonthTextIds.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendJsonString(out, TextKey(kMonthTextIds[i]));
    }
    out += "],";
    AppendList(out, "years", kFirstListedYear, kYearCount);
    out += ',';
    const std::pair<std::string_view, std::string> links[] = {
        {"home", HomePageAddress(kHosts)},           {"coBrand", CoBrandPageAddress(kHosts)},
        {"fullBrand", FullBrandPageAddress(kHosts)}, {"onlineHelp", OnlineHelpAddress(kHosts)},
        {"donate", DonatePageAddress(kHosts)},
    };
    AppendObject(out, "links", links);
    out += ',';
    AppendJsonField(out, "blue", SwatchText(kKorvaneBlue));
    out += ',';
    AppendJsonField(out, "dark", SwatchText(kKorvaneDarkBlue));
    out += '}';
    return out;
}

} // namespace
} // namespace korvane

using namespace korvane;

extern "C" {

// The lists (the months by their keys), links and identity the page is
// built from.
char* korvane_page() {
    return Handed(PageAnswer());
}

// "Get My Lucky Car Color": the check of the birth details, then the reading.
// The list positions name the date; one outside the lists (an entry changed
// in the browser) gets the wrong-date message.
char* korvane_read(const char* name, int nameSize, int male, int female, int dayIndex,
                   int monthIndex, int yearIndex) {
    if (!InLists(dayIndex, monthIndex, yearIndex))
        return Handed(ProblemAnswer(
            {TextId::MessageWrongDate, ProblemIcon::Information, ProblemFocus::Unchanged}));
    const BirthDetails details =
        DetailsFor(TextOf(name, nameSize), male != 0, female != 0, dayIndex, monthIndex, yearIndex);
    if (const auto problem = CheckBirthDetails(details))
        return Handed(ProblemAnswer(*problem));
    return Handed(ReadingAnswerFor(details));
}

// A shared reading, which names no one: the reading when the date is one the
// form accepts, otherwise {"ok":false}.
char* korvane_shared_reading(int male, int dayIndex, int monthIndex, int yearIndex) {
    if (!InLists(dayIndex, monthIndex, yearIndex) ||
        CheckBirthDate(kFirstListedYear + yearIndex, monthIndex, dayIndex) != BirthDateCheck::Valid)
        return Handed("{\"ok\":false}");
    return Handed(
        ReadingAnswerFor(DetailsFor("", male != 0, male == 0, dayIndex, monthIndex, yearIndex)));
}

// The picture of a shared reading (which names no one), as a card for the
// page to paint: {"ok": true, "card": ...}, or {"ok":false}.
char* korvane_card(int male, int dayIndex, int monthIndex, int yearIndex) {
    const auto birth =
        InLists(dayIndex, monthIndex, yearIndex)
            ? BirthOf(DetailsFor("", male != 0, male == 0, dayIndex, monthIndex, yearIndex))
            : std::nullopt;
    const auto reading = birth ? ReadingFor(*birth) : std::nullopt;
    if (!reading)
        return Handed("{\"ok\":false}");
    return Handed(
        "{\"ok\":true,\"card\":" + CardAnswer(PictureCard(*reading, KORVANE_PRODUCT_NAME)) + "}");
}

// The place of the catalogue (English first) for the browser's languages,
// blank-separated, best first. The page's engine leaves the catalogues'
// texts out (the page has them as files), so it is told their tags, one
// catalogue a line.
char* korvane_catalogue_for(const char* tags, int size, const char* catalogueTags,
                            int catalogueSize) {
    const auto preferred = Parts<std::string>(TextOf(tags, size), ' ');
    const auto catalogues = Parts<std::string_view>(TextOf(catalogueTags, catalogueSize), '\n');
    return Handed(std::to_string(CatalogueFor(preferred, catalogues)));
}

// What an e-mail box holds, as typed: refused with a message when it holds a space.
char* korvane_email_box(const char* text, int size) {
    const auto refusal = EmailBoxRefusal(TextOf(text, size));
    if (!refusal)
        return Handed("{\"ok\":true}");
    std::string out = "{\"ok\":false,";
    AppendKeyField(out, "text", refusal);
    out += '}';
    return Handed(out);
}

// The forum invitation as the result shows it, without its full stop.
char* korvane_without_full_stop(const char* text, int size) {
    std::string out;
    AppendJsonString(out, WithoutFinalFullStop(TextOf(text, size)));
    return Handed(out);
}

// "Refer A Friend Now": the checks, then the request address. The page has
// no message box, so the message is the box's first text.
char* korvane_refer(const char* name, int nameSize, const char* email, int emailSize,
                    const char* friendName, int friendNameSize, const char* friendEmail,
                    int friendEmailSize) {
    const std::array<std::string, kReferFieldCount> fields = {
        std::string(TextOf(name, nameSize)), std::string(TextOf(email, emailSize)),
        std::string(kReferMessageFirstText), std::string(TextOf(friendName, friendNameSize)),
        std::string(TextOf(friendEmail, friendEmailSize))};
    // The page's boxes hold only what was typed: its placeholders are not
    // part of their text, so the English ones serve every language.
    const ReferOutcome outcome = ReferAFriend(fields, kHosts, ReferPlaceholdersIn(EnglishText));
    std::string out = "{\"ok\":";
    out += outcome.message ? "false," : "true,";
    if (outcome.message)
        AppendKeyField(out, "text", outcome.message);
    else
        AppendJsonField(out, "address", outcome.address);
    if (outcome.field) {
        out += ',';
        AppendJsonField(out, "field", kReferBoxes[*outcome.field]);
    }
    out += '}';
    return Handed(out);
}

} // extern "C"
