#pragma once

#include <QLabel>

namespace korvane {

// A one-line label whose width follows its text, so that a long value is
// never cut. Its accessible name says what it shows ("Sun Sign: Pisces").
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& designText, const QString& whatItShows, QWidget* parent);

    void SetValue(const QString& value);

private:
    QString whatItShows_;
};

// A square that shows a colour. Its accessible name says the colour in
// words and numbers, for anyone who cannot see it.
class Swatch : public QLabel {
    Q_OBJECT
public:
    Swatch(const QString& whatItShows, QWidget* parent);

    void SetColour(const QColor& colour, const QString& colourName);

private:
    QString whatItShows_;
};

} // namespace korvane
