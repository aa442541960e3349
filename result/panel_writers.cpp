#include "panel_writers.h"

#include "look.h"
#include "sun_sign_text_box.h"
#include "value_label.h"

#include <QColor>

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

void AstrologyPanelWriter::SetCarColour(std::string_view name) {
    controls_.carColour->SetValue(FromStd(name));
}

void AstrologyPanelWriter::SetCarColourDescription(std::string_view description) {
    // Back to the window's font first: the last description may have been
    // shrunk to fit.
    QLabel* label = controls_.carColourDescription;
    label->setFont(label->window()->font());
    label->setText(FromStd(description));
    ShrinkFontToFit(label);
}

void AstrologyPanelWriter::SetKuaNumber(std::string_view number) {
    controls_.kuaNumber->SetValue(FromStd(number));
}

void AstrologyPanelWriter::SetRulingPlanet(std::string_view planet) {
    controls_.rulingPlanet->SetValue(FromStd(planet));
}

void AstrologyPanelWriter::SetSunSign(std::string_view sign) {
    controls_.sunSign->SetValue(FromStd(sign));
}

void AstrologyPanelWriter::SetSunSignDescription(std::string_view text) {
    controls_.sunSignDescription->SetDescription(FromStd(text));
}

void AstrologyPanelWriter::SetCarColourSwatch(ColourValue colour) {
    controls_.carColourSwatch->SetColour(ToQColor(colour), controls_.carColour->text());
}

void FengShuiPanelWriter::SetPurposeColourName(Purpose purpose, std::string_view name) {
    controls_.colourNames[PurposeIndex(purpose)]->SetValue(FromStd(name));
}

void FengShuiPanelWriter::SetPurposeSwatch(Purpose purpose, ColourValue colour) {
    const std::size_t i = PurposeIndex(purpose);
    controls_.swatches[i]->SetColour(ToQColor(colour), controls_.colourNames[i]->text());
}

} // namespace korvane
