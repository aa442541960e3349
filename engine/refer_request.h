#pragma once

#include "korvane_texts.h"
#include "web_pages.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The refer-a-friend form: its fields, their checks and the request address.
// Texts are UTF-8.

// The fields in the order they are checked and sent.
enum ReferField { kReferName, kReferEmail, kReferMessage, kReferFriendName, kReferFriendEmail };
inline constexpr int kReferFieldCount = 5;

// What each box shows while it is empty: a text of the catalogues, but for
// the message box, which is never seen and is sent as it stands, so that its
// placeholder is the same in every language.
inline constexpr std::array<std::optional<TextId>, kReferFieldCount> kReferPlaceholderTexts = {
    TextId::ReferYourName, TextId::ReferYourEmail, std::nullopt, TextId::ReferFriendName,
    TextId::ReferFriendEmail};
inline constexpr std::string_view kReferMessagePlaceholder = "Your Message";

// The placeholders in one language, by the field; `text` gives a catalogue
// entry's words (EnglishText, or one catalogue's Text).
using ReferPlaceholders = std::array<std::string_view, kReferFieldCount>;
template <class TextOf> ReferPlaceholders ReferPlaceholdersIn(TextOf&& text) {
    ReferPlaceholders placeholders;
    for (int i = 0; i < kReferFieldCount; ++i) {
        const auto entry = kReferPlaceholderTexts[static_cast<std::size_t>(i)];
        placeholders[static_cast<std::size_t>(i)] = entry ? text(*entry) : kReferMessagePlaceholder;
    }
    return placeholders;
}

// The message box's first text: its placeholder and a line break, which
// counts as filled in.
inline constexpr std::string_view kReferMessageFirstText = "Your Message\r\n";

// Each box shows its placeholder while it is empty: a box showing it is
// emptied as it gains the focus, and one left empty or with spaces only gets
// it back as it loses the focus. Each answers the box's new text, or nothing
// when the box stays as it is.
std::optional<std::string_view> ReferBoxTextOnFocusIn(ReferField field, std::string_view text,
                                                      const ReferPlaceholders& placeholders);
std::optional<std::string_view> ReferBoxTextOnFocusOut(ReferField field, std::string_view text,
                                                       const ReferPlaceholders& placeholders);

// Whether UTF-8 text holds a space of any width: every space separator of
// Unicode (the plain and no-break spaces, the typographic spaces and the
// ideographic space that Chinese and Japanese input methods type). Tabs,
// line breaks and zero-width characters are not spaces.
bool HoldsSpace(std::string_view text);

// E-mail addresses hold no spaces: what an e-mail box would hold after an
// edit (a key, a paste, a drop, an input method) is refused with a message
// when it holds one.
std::optional<TextId> EmailBoxRefusal(std::string_view typed);

// The two e-mail addresses, trimmed: the message when they are the same or
// either lacks an "@" or a "." (where they stand is not looked at).
std::optional<TextId> EmailAddressesProblem(std::string_view email, std::string_view friendEmail);

// The request address for the five values as they are. Every value is
// percent-encoded, so that nothing typed can add, change or cut off a field.
std::string ReferRequestAddress(const std::array<std::string_view, kReferFieldCount>& values,
                                const SiteHosts& hosts);

// Either the message for the first thing that is wrong, or the request address.
struct ReferOutcome {
    std::optional<TextId> message;
    // The box the message is about, so that a form can mark it.
    std::optional<ReferField> field;
    std::string address; // when there is no message
};

// The whole check of the five fields as typed, where an empty box counts as
// showing its placeholder: e-mail addresses without spaces (a box showing its
// placeholder is no address), distinct and proper, then every field filled;
// then the request address for the trimmed values.
ReferOutcome ReferAFriend(const std::array<std::string, kReferFieldCount>& fields,
                          const SiteHosts& hosts, const ReferPlaceholders& placeholders);

} // namespace korvane
