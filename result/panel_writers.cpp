#include "panel_writers.h"

#include "look.h"
#include "result_window.h"
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

} // namespace

void AstrologyPanelWriter::SetCarColour(std::string_view name) {
    window_.lblLuckyCar_Result[0]->SetValue(FromStd(name));
}

void AstrologyPanelWriter::SetCarColourDescription(std::string_view description) {
    QLabel* label = window_.lblCarColourDescription;
    label->setFont(window_.font());
    label->setText(FromStd(description));
    ShrinkFontToFit(label);
}

void AstrologyPanelWriter::SetKuaNumber(std::string_view number) {
    window_.lblLuckyCar_Result[2]->SetValue(FromStd(number));
}

void AstrologyPanelWriter::SetRulingPlanet(std::string_view planet) {
    window_.lblLuckyCar_Result[3]->SetValue(FromStd(planet));
}

void AstrologyPanelWriter::SetSunSign(std::string_view sign) {
    window_.lblLuckyCar_Result[4]->SetValue(FromStd(sign));
}

void AstrologyPanelWriter::SetSunSignDescription(std::string_view text) {
    window_.txtSunSign_Desc->SetDescription(FromStd(text));
}

void AstrologyPanelWriter::SetCarColourSwatch(ColourValue colour) {
    window_.lblColorCode[0]->SetColour(ToQColor(colour), window_.lblLuckyCar_Result[0]->text());
}

namespace {

ValueLabel* PurposeLabel(frmLuckyCarResult& window, Purpose purpose) {
    switch (purpose) {
    case Purpose::Success:
        return window.lblColourToWearSuccess;
    case Purpose::Health:
        return window.lblColourToWearHealth;
    case Purpose::Relationships:
        return window.lblColourToWearRelationships;
    case Purpose::PersonalDevelopment:
        break;
    }
    return window.lblColourToWearPersonal;
}

int PurposeSwatchIndex(Purpose purpose) {
    return static_cast<int>(purpose) + 1;
}

} // namespace

void FengShuiPanelWriter::SetPurposeColourName(Purpose purpose, std::string_view name) {
    PurposeLabel(window_, purpose)->SetValue(FromStd(name));
}

void FengShuiPanelWriter::SetPurposeSwatch(Purpose purpose, ColourValue colour) {
    window_.lblColorCode[PurposeSwatchIndex(purpose)]->SetColour(
        ToQColor(colour), PurposeLabel(window_, purpose)->text());
}

} // namespace korvane
