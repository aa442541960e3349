#pragma once

#include <QLabel>

namespace korvane {

// A one-line label whose width follows its text and font, so that a long
// value is never cut. Its accessible name says what it shows and then its
// value ("Sun Sign: Pisces"); the design text it shows until it has a value
// is a placeholder, and a screen reader hears only what it shows.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    ValueLabel(const QString& designText, const QString& whatItShows, QWidget* parent);

    void SetValue(const QString& value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void FitWidth();

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
