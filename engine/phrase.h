#pragma once

#include "korvane_texts.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// A shown text before it has a language: a catalogue entry whose %1, %2, ...
// are filled with the parts, which are phrases themselves; or a plain value
// (a number), the same in every language. The engine says what a reading
// says once; each face fills it in with its catalogue.
struct Phrase {
    std::optional<TextId> text;
    std::string plain;
    std::vector<Phrase> parts;

    static Phrase Of(TextId text, std::vector<Phrase> parts = {}) {
        return {text, {}, std::move(parts)};
    }
    static Phrase Plain(std::string value) { return {std::nullopt, std::move(value), {}}; }
    friend bool operator==(const Phrase&, const Phrase&) = default;
};

using TextSource = std::function<std::string_view(TextId)>;

// The phrase in one language: each entry's %N replaced by its Nth part. A
// placeholder without a part is left out.
std::string Filled(const Phrase& phrase, const TextSource& textOf);

// A catalogue text with its %N replaced by the given values.
std::string Filled(std::string_view text, const std::vector<std::string>& values);

} // namespace korvane
