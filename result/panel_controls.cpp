#include "panel_controls.h"

#include "look.h"
#include "twips.h"
#include "value_label.h"

#include <QLabel>

#include <algorithm>

namespace korvane {

QLabel* MakeCaption(const QString& text, QWidget* parent, int leftTwips, int topTwips,
                    int valueLeftTwips) {
    auto* caption = new QLabel(parent);
    caption->setTextFormat(Qt::PlainText);
    caption->setText(text);
    caption->setFont(ProgramFont(8.25, true));
    SetTextColour(caption, Qt::black);
    caption->move(Px(leftTwips), Px(topTwips));
    const QSize size = OneLineTextSize(caption->font(), text);
    caption->resize(std::min(size.width(), Px(valueLeftTwips - leftTwips - 60)), size.height());
    return caption;
}

ValueLabel* MakeValue(const QString& designText, const QString& whatItShows, QWidget* parent,
                      const QRect& rect) {
    auto* value = new ValueLabel(designText, whatItShows, parent);
    // Keeps the width the label took from its text.
    value->setGeometry(rect.x(), rect.y(), value->width(), rect.height());
    return value;
}

} // namespace korvane
