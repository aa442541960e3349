#include "value_label.h"

#include "look.h"
#include "shown_text.h"

#include <QEvent>

namespace korvane {

ValueLabel::ValueLabel(const QString& designText, const QString& whatItShows, QWidget* parent)
    : QLabel(parent), whatItShows_(whatItShows) {
    setTextFormat(Qt::PlainText);
    SetTextColour(this, Qt::white);
    setText(designText);
    FitWidth();
    setAccessibleName(whatItShows_);
}

void ValueLabel::SetValue(const QString& value) {
    setText(value);
    FitWidth();
    setAccessibleName(value.isEmpty() ? whatItShows_
                                      : ShownText(TextId::ValueSpoken).arg(whatItShows_, value));
}

void ValueLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitWidth();
}

void ValueLabel::FitWidth() {
    resize(OneLineTextSize(font(), text()).width(), height());
}

Swatch::Swatch(const QString& whatItShows, QWidget* parent)
    : QLabel(parent), whatItShows_(whatItShows) {
    SetColour(kSwatchDesignColour, ShownText(TextId::SwatchPurple));
}

void Swatch::SetColour(const QColor& colour, const QString& colourName) {
    SetOpaqueBackground(this, colour);
    setAccessibleDescription(whatItShows_);
    setAccessibleName(ShownText(TextId::SwatchSpoken)
                          .arg(colourName.isEmpty() ? ShownText(TextId::SwatchNone) : colourName)
                          .arg(colour.red())
                          .arg(colour.green())
                          .arg(colour.blue()));
}

} // namespace korvane
