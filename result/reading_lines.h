#pragma once

#include "phrase.h"

#include <QList>
#include <QRect>

#include <optional>

class QLabel;
class QWidget;

namespace korvane {

// Lines of white text under a reading (its year, and what only some
// readings have), one under the other in a rectangle of the panel, each
// wrapped to its width; a hidden line takes no room.
QList<QLabel*> MakeReadingLines(QWidget* panel, const QRect& rect, int count);

// Shows a line with its phrase in the program's language; without one, hides it.
void ShowLine(QLabel* line, const std::optional<Phrase>& phrase);

} // namespace korvane
