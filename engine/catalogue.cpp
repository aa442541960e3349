#include "catalogue.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace korvane {
namespace {

// Language tags compare without regard to case, "_" standing for "-".
std::string NormalisedTag(std::string_view tag) {
    std::string normalised;
    for (const char c : tag)
        normalised +=
            c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return normalised;
}

bool Answers(std::string_view tags, std::string_view tag) {
    while (!tags.empty()) {
        const auto end = tags.find(' ');
        if (NormalisedTag(tags.substr(0, end)) == tag)
            return true;
        tags = end == std::string_view::npos ? std::string_view() : tags.substr(end + 1);
    }
    return false;
}

} // namespace

std::string_view Text(TextId id, int catalogue) {
    const auto catalogues = Catalogues();
    if (catalogue < 0 || catalogue >= static_cast<int>(catalogues.size()))
        catalogue = kEnglish;
    return catalogues[catalogue].texts[static_cast<int>(id)];
}

int CatalogueFor(std::span<const std::string> preferredTags) {
    std::vector<std::string_view> tags;
    for (const Catalogue& catalogue : Catalogues())
        tags.push_back(catalogue.tags);
    return CatalogueFor(preferredTags, tags);
}

int CatalogueFor(std::span<const std::string> preferredTags,
                 std::span<const std::string_view> catalogueTags) {
    for (const std::string& preferred : preferredTags) {
        for (std::string tag = NormalisedTag(preferred); !tag.empty();) {
            const auto found =
                std::find_if(catalogueTags.begin(), catalogueTags.end(),
                             [&](std::string_view tags) { return Answers(tags, tag); });
            if (found != catalogueTags.end())
                return static_cast<int>(found - catalogueTags.begin());
            const auto cut = tag.rfind('-');
            tag.resize(cut == std::string::npos ? 0 : cut);
        }
    }
    return kEnglish;
}

} // namespace korvane
