#include "panel_writers.h"

#include "look.h"
#include "reading_lines.h"
#include "reading_phrases.h"
#include "shown_text.h"
#include "sun_sign_text_box.h"
#include "twips.h"
#include "value_label.h"

#include <QColor>

#include <algorithm>

namespace korvane {
namespace {

QColor ToQColor(ColourValue colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

} // namespace

void ShowAstrology(const Reading& reading, const AstrologyPanelControls& controls) {
    const AstrologyResult& astrology = reading.astrology;
    controls.carColour->SetValue(ShownText(astrology.carColour));
    // The swatch stands beside the name, further right for a longer one.
    QWidget* swatch = controls.carColourSwatch;
    const int beside = controls.carColour->geometry().right() + 1 + Px(135);
    swatch->move(std::max(Px(3360), beside), swatch->y());

    // Back to the window's font first: the last description may have been
    // shrunk to fit.
    QLabel* description = controls.carColourDescription;
    description->setFont(description->window()->font());
    description->setText(ShownText(astrology.carColourText));
    ShrinkFontToFit(description);

    controls.kuaNumber->SetValue(QString::number(reading.kuaNumber));
    controls.rulingPlanet->SetValue(ShownText(astrology.rulingPlanet));
    controls.sunSign->SetValue(ShownText(astrology.sunSign));
    controls.sunSignDescription->SetDescription(ShownText(astrology.sunSignText));
    // A colour that does not convert leaves the swatch as it was.
    if (astrology.carColourSwatch)
        controls.carColourSwatch->SetColour(ToQColor(*astrology.carColourSwatch),
                                            controls.carColour->text());
}

void ShowFengShui(const Reading& reading, const FengShuiPanelControls& controls) {
    for (std::size_t i = 0; i < reading.purposes.size(); ++i) {
        const PurposeColour& purpose = reading.purposes[i];
        controls.colourNames[i]->SetValue(purpose.name ? ShownText(*purpose.name) : QString());
        if (purpose.swatch)
            controls.swatches[i]->SetColour(ToQColor(*purpose.swatch),
                                            controls.colourNames[i]->text());
    }
    ShowLine(controls.year, FengShuiYearPhrase(reading));
    ShowLine(controls.kuaFive, KuaFivePhrase(reading));
    ShowLine(controls.liChunDay, FengShuiLiChunDayPhrase(reading));
}

} // namespace korvane
