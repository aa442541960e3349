#pragma once

#include "korvane_texts.h"

#include <QString>

namespace korvane {

// The catalogue the windows show their texts from (English unless set).
void SetShownCatalogue(int catalogue);
int ShownCatalogue();

// A shown text in the program's language; "&" marks an access key where the
// text has one.
QString ShownText(TextId id);

} // namespace korvane
