#include "phrase.h"

namespace korvane {

std::string Filled(std::string_view text, const std::vector<std::string>& values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] != '%' || next < '1' || next > '9') {
            out += text[i];
            continue;
        }
        const auto index = static_cast<std::size_t>(next - '1');
        if (index < values.size())
            out += values[index];
        ++i;
    }
    return out;
}

std::string Filled(const Phrase& phrase, const TextSource& textOf) {
    if (!phrase.text)
        return phrase.plain;
    std::vector<std::string> values;
    values.reserve(phrase.parts.size());
    for (const Phrase& part : phrase.parts)
        values.push_back(Filled(part, textOf));
    return Filled(textOf(*phrase.text), values);
}

} // namespace korvane
