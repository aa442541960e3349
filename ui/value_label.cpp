#include "value_label.h"

#include "look.h"

namespace korvane {

ValueLabel::ValueLabel(const QString& designText, const QString& whatItShows, QWidget* parent)
    : QLabel(parent), whatItShows_(whatItShows) {
    setTextFormat(Qt::PlainText);
    SetTextColour(this, Qt::white);
    SetValue(designText);
}

void ValueLabel::SetValue(const QString& value) {
    setText(value);
    resize(OneLineTextSize(font(), value).width(), height());
    setAccessibleName(whatItShows_ + QStringLiteral(": ") + value);
}

Swatch::Swatch(const QString& whatItShows, QWidget* parent)
    : QLabel(parent), whatItShows_(whatItShows) {
    SetColour(kSwatchDesignColour, QStringLiteral("Purple"));
}

void Swatch::SetColour(const QColor& colour, const QString& colourName) {
    SetOpaqueBackground(this, colour);
    setAccessibleDescription(whatItShows_);
    setAccessibleName(QStringLiteral("%1, red %2, green %3, blue %4")
                          .arg(colourName.isEmpty() ? QStringLiteral("No color") : colourName)
                          .arg(colour.red())
                          .arg(colour.green())
                          .arg(colour.blue()));
}

} // namespace korvane
