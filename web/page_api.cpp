// What the page asks of the engine. Each call answers with JSON in a buffer
// that stays valid until the next call; texts come in through buffers the
// page writes UTF-8 into.
#include "about_texts.h"
#include "birth_date_lists.h"
#include "birth_details_check.h"
#include "json_text.h"
#include "korvane_identity.h"
#include "month_names.h"
#include "promotion_texts.h"
#include "reading_for.h"
#include "refer_request.h"
#include "web_pages.h"

#include <array>
#include <optional>
#include <string>

namespace korvane {
namespace {

constexpr int kDayCount = kLastListedDay - kFirstListedDay + 1;
constexpr int kYearCount = kLastListedYear - kFirstListedYear + 1;
constexpr SiteHosts kHosts = {KORVANE_MAIN_SITE_HOST, KORVANE_HELP_SITE_HOST,
                              KORVANE_PRODUCT_SITE_HOST};

std::string answer;
std::string nameText;
// The page has no message box: the message keeps its first text.
std::array<std::string, kReferFieldCount> referFields = {
    "", "", std::string(kReferMessageFirstText), "", ""};

char* Resized(std::string& buffer, int size) {
    buffer.assign(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    return buffer.data();
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

// The paragraphs of a text whose paragraphs are parted by an empty line.
void AppendParagraphs(std::string& out, std::string_view name, std::string_view text) {
    AppendJsonString(out, name);
    out += ":[";
    constexpr std::string_view kBreak = "\r\n\r\n";
    for (bool first = true; !text.empty() || first; first = false) {
        const auto end = text.find(kBreak);
        if (!first)
            out += ',';
        AppendJsonString(out, text.substr(0, end));
        text =
            end == std::string_view::npos ? std::string_view() : text.substr(end + kBreak.size());
    }
    out += ']';
}

BirthDetails DetailsFor(bool male, bool female, int dayIndex, int monthIndex, int yearIndex) {
    return {nameText, male, female, dayIndex, monthIndex, yearIndex};
}

bool InLists(int dayIndex, int monthIndex, int yearIndex) {
    return dayIndex >= 0 && dayIndex < kDayCount && monthIndex >= 0 &&
           monthIndex < static_cast<int>(kMonthNames.size()) && yearIndex >= 0 &&
           yearIndex < kYearCount;
}

void AppendReading(std::string& out, const Reading& reading) {
    out += '{';
    AppendJsonField(out, "kuaNumber", reading.kuaNumber);
    out += ',';
    AppendJsonField(out, "sunSign", reading.sunSign);
    out += ',';
    AppendJsonField(out, "rulingPlanet", reading.rulingPlanet);
    out += ',';
    AppendParagraphs(out, "sunSignParagraphs", reading.sunSignDescription);
    out += ',';
    AppendJsonField(out, "carColour", reading.carColour);
    out += ',';
    AppendJsonField(out, "carColourDescription", reading.carColourDescription);
    out += ',';
    AppendJsonField(out, "carColourSwatch", SwatchText(reading.carColourSwatch));
    out += ",\"purposes\":[";
    for (std::size_t i = 0; i < reading.purposes.size(); ++i) {
        if (i > 0)
            out += ',';
        out += '{';
        AppendJsonField(out, "name", reading.purposes[i].name);
        out += ',';
        AppendJsonField(out, "swatch", SwatchText(reading.purposes[i].swatch));
        out += '}';
    }
    out += "]}";
}

void AppendProblem(std::string& out, const BirthDetailsProblem& problem) {
    static constexpr std::array<std::string_view, 3> kFocus = {"name", "proceed", "unchanged"};
    out += "{\"ok\":false,";
    AppendJsonField(out, "text", problem.text);
    out += ',';
    AppendJsonField(out, "icon",
                    problem.icon == ProblemIcon::Critical ? "critical" : "information");
    out += ',';
    AppendJsonField(out, "focus", kFocus[static_cast<int>(problem.focus)]);
    out += '}';
}

} // namespace

} // namespace korvane

using namespace korvane;

extern "C" {

// A buffer of `size` bytes for the name as typed, in UTF-8.
char* korvane_name_buffer(int size) {
    return Resized(nameText, size);
}

// A buffer of `size` bytes for one refer-a-friend field (0 to 4, in the
// order name, e-mail, message, friend's name, friend's e-mail).
char* korvane_refer_buffer(int field, int size) {
    if (field < 0 || field >= kReferFieldCount)
        return nullptr;
    return Resized(referFields[field], size);
}

// The lists with their defaults, and the texts and links around the form.
const char* korvane_page() {
    std::string& out = answer;
    out = "{";
    AppendJsonField(out, "caption", KORVANE_CAPTION);
    out += ',';
    AppendList(out, "days", kFirstListedDay, kDayCount);
    out += ",\"months\":[";
    for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendJsonString(out, kMonthNames[i]);
    }
    out += "],";
    AppendList(out, "years", kFirstListedYear, kYearCount);
    out += ",\"texts\":{";
    const std::pair<std::string_view, std::string_view> texts[] = {
        {"intro", kIntroText},
        {"forum", kForumInvitation},
        {"forumShort", ForumInvitationWithoutFullStop()},
        {"fullBrand", kFullBrandOffer},
        {"coBrand", kCoBrandOffer},
        {"aboutTitle", KORVANE_CAPTION},
        {"aboutDescription", kAboutDescription},
        {"aboutHomeLink", kAboutHomeLink},
        {"aboutOffer", kAboutOffer},
        {"aboutOfferLink", kAboutOfferLink},
        {"emailSpace", kEmailSpaceRefusal},
        {"referMessage", kReferMessageFirstText},
    };
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        if (i > 0)
            out += ',';
        AppendJsonField(out, texts[i].first, texts[i].second);
    }
    out += "},\"placeholders\":[";
    for (std::size_t i = 0; i < kReferPlaceholders.size(); ++i) {
        if (i > 0)
            out += ',';
        AppendJsonString(out, kReferPlaceholders[i]);
    }
    out += "],\"links\":{";
    const std::pair<std::string_view, std::string> links[] = {
        {"home", HomePageAddress(kHosts)},           {"coBrand", CoBrandPageAddress(kHosts)},
        {"fullBrand", FullBrandPageAddress(kHosts)}, {"onlineHelp", OnlineHelpAddress(kHosts)},
        {"download", DownloadPageAddress(kHosts)},   {"donate", DonatePageAddress(kHosts)},
    };
    for (std::size_t i = 0; i < std::size(links); ++i) {
        if (i > 0)
            out += ',';
        AppendJsonField(out, links[i].first, links[i].second);
    }
    out += "}}";
    return out.c_str();
}

// The check of the birth details; the list positions name the date.
const char* korvane_check(int male, int female, int dayIndex, int monthIndex, int yearIndex) {
    answer.clear();
    if (!InLists(dayIndex, monthIndex, yearIndex)) {
        answer = "{\"ok\":false}";
        return answer.c_str();
    }
    if (const auto problem =
            CheckBirthDetails(DetailsFor(male != 0, female != 0, dayIndex, monthIndex, yearIndex)))
        AppendProblem(answer, *problem);
    else
        answer = "{\"ok\":true}";
    return answer.c_str();
}

// The reading for list positions, whether or not they pass the check.
const char* korvane_reading(int male, int dayIndex, int monthIndex, int yearIndex) {
    answer.clear();
    if (!InLists(dayIndex, monthIndex, yearIndex))
        return "null";
    AppendReading(answer,
                  ReadingFor(DetailsFor(male != 0, male == 0, dayIndex, monthIndex, yearIndex)));
    return answer.c_str();
}

// Checks the refer-a-friend fields and composes the request address.
const char* korvane_refer() {
    const ReferOutcome outcome = ReferAFriend(referFields, kHosts);
    answer = "{\"ok\":";
    answer += outcome.ok ? "true," : "false,";
    AppendJsonField(answer, outcome.ok ? "address" : "text", outcome.text);
    answer += '}';
    return answer.c_str();
}

} // extern "C"
