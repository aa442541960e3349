#pragma once

#include <QString>
#include <QStringList>

namespace korvane {

// The four requests for support, one of which the exit promotion window
// shows. The second is also the label's design text.
QStringList SupportTexts();

// The index of a support text, 0 to 3, from a draw r in [0, 1): the integer
// part of r * 4.
int SupportTextIndex(float r);

// The advertisement for the maker's other programs: two paragraphs, the
// second pushed onto a line of its own by a run of 61 spaces.
QString CatalogueText();

} // namespace korvane
