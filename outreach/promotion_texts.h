#pragma once

#include <QString>
#include <QStringList>

namespace korvane {

// The four requests for support, one of which the exit promotion window
// shows. The second is also the label's design text.
QStringList SupportTexts();

// The advertisement for the maker's other programs: two paragraphs, the
// second pushed onto a line of its own by a run of 61 spaces.
QString CatalogueText();

} // namespace korvane
