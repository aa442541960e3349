#pragma once

#include "korvane_texts.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace korvane {

enum class DatePart { Day, Month, Year };

// One language's catalogue of the texts the program shows (i18n/<code>.po).
struct Catalogue {
    std::string_view code;             // "en", "zh_CN", ...
    std::string_view tags;             // the language tags it answers, blank-separated
    std::array<DatePart, 3> dateOrder; // how the language orders a written date
    const char* const* texts;          // UTF-8, by TextId
};

// Every catalogue, English first; written from the PO files at build time.
std::span<const Catalogue> Catalogues();

// The key that names a text in every catalogue and on the web page.
std::string_view TextKey(TextId id);

inline constexpr int kEnglish = 0;

// A shown text in English, the source: the fixed words the engine's rules
// compare and keep in the reading record. (Unlike Text(), it brings no other
// language into a program that needs none.)
std::string_view EnglishText(TextId id);

// A shown text in one catalogue's language (English by default), UTF-8.
std::string_view Text(TextId id, int catalogue = kEnglish);

// The catalogue for the first of the preferred language tags ("zh-Hant-HK",
// "zh_CN", best first) that one answers; a tag that none answers is tried
// again without its last part ("zh-Hant-HK", "zh-Hant", "zh"). English when
// no tag finds one.
int CatalogueFor(std::span<const std::string> preferredTags);

// The same among catalogues given by their tags (each blank-separated, in
// the order of Catalogues()), for a program that leaves the texts out.
int CatalogueFor(std::span<const std::string> preferredTags,
                 std::span<const std::string_view> catalogueTags);

} // namespace korvane
