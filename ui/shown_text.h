#pragma once

#include "korvane_texts.h"
#include "phrase.h"

#include <QString>

#include <string_view>

namespace korvane {

// The catalogue the windows show their texts from (English unless set).
void SetShownCatalogue(int catalogue);
int ShownCatalogue();

// A shown text in the program's language; "&" marks an access key where the
// text has one.
QString ShownText(TextId id);

// The same as UTF-8, as the engine's rules take it.
std::string_view ShownUtf8(TextId id);

// One of the engine's phrases in the program's language.
QString ShownPhrase(const Phrase& phrase);

} // namespace korvane
