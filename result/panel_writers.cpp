#include "panel_writers.h"

#include "look.h"
#include "shown_text.h"
#include "sun_sign_text_box.h"
#include "twips.h"
#include "value_label.h"

#include <QColor>

#include <algorithm>

namespace korvane {
namespace {

QString FromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(ColourValue colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

std::size_t PurposeIndex(Purpose purpose) {
    return static_cast<std::size_t>(purpose);
}

} // namespace

void AstrologyPanelWriter::SetCarColour(TextId name) {
    controls_.carColour->SetValue(ShownText(name));
    // The swatch stands beside the name, further right for a longer one.
    QWidget* swatch = controls_.carColourSwatch;
    const int beside = controls_.carColour->geometry().right() + 1 + Px(135);
    swatch->move(std::max(Px(3360), beside), swatch->y());
}

void AstrologyPanelWriter::SetCarColourDescription(TextId description) {
    // Back to the window's font first: the last description may have been
    // shrunk to fit.
    QLabel* label = controls_.carColourDescription;
    label->setFont(label->window()->font());
    label->setText(ShownText(description));
    ShrinkFontToFit(label);
}

void AstrologyPanelWriter::SetKuaNumber(std::string_view number) {
    controls_.kuaNumber->SetValue(FromStd(number));
}

void AstrologyPanelWriter::SetRulingPlanet(TextId planet) {
    controls_.rulingPlanet->SetValue(ShownText(planet));
}

void AstrologyPanelWriter::SetSunSign(TextId sign) {
    controls_.sunSign->SetValue(ShownText(sign));
}

void AstrologyPanelWriter::SetSunSignDescription(TextId text) {
    controls_.sunSignDescription->SetDescription(ShownText(text));
}

void AstrologyPanelWriter::SetCarColourSwatch(ColourValue colour) {
    controls_.carColourSwatch->SetColour(ToQColor(colour), controls_.carColour->text());
}

void FengShuiPanelWriter::SetPurposeColourName(Purpose purpose, std::optional<TextId> name) {
    controls_.colourNames[PurposeIndex(purpose)]->SetValue(name ? ShownText(*name) : QString());
}

void FengShuiPanelWriter::SetPurposeSwatch(Purpose purpose, ColourValue colour) {
    const std::size_t i = PurposeIndex(purpose);
    controls_.swatches[i]->SetColour(ToQColor(colour), controls_.colourNames[i]->text());
}

} // namespace korvane
