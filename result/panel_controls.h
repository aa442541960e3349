#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace korvane {

class ValueLabel;

// A bold black heading that takes the width of its text, up to the value
// beside it (where a longer text in another language is made smaller to
// fit). Places in twips.
QLabel* MakeCaption(const QString& text, QWidget* parent, int leftTwips, int topTwips,
                    int valueLeftTwips);

// A white value whose width follows its text.
ValueLabel* MakeValue(const QString& designText, const QString& whatItShows, QWidget* parent,
                      const QRect& rect);

} // namespace korvane
