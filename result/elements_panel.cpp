#include "elements_panel.h"

#include "panel_controls.h"
#include "reading_lines.h"
#include "reading_phrases.h"
#include "shown_text.h"
#include "twips.h"
#include "value_label.h"

#include <QColor>
#include <QLabel>

namespace korvane {
namespace {

constexpr int kLeft = 240;
constexpr int kValueLeft = 2400;
constexpr int kAvoidLeft = 5160;
constexpr int kColumnWidth = 2400;
constexpr int kColoursTop = 1680;
constexpr int kRowHeight = 420;
constexpr int kRowsPerColumn = 3;
constexpr int kSwatchSize = 345;

QString Named(const char* name, std::size_t index) {
    return QString::fromLatin1(name) + QString::number(index);
}

} // namespace

ElementsPanel::ElementsPanel(QWidget* panel) {
    const QString nayinCaption = ShownText(TextId::ElementsNayin);
    MakeCaption(nayinCaption, panel, kLeft, 240, kValueLeft)
        ->setObjectName(QStringLiteral("lblCaptionNayin"));
    nayin_ = MakeValue({}, nayinCaption, panel, TwipsRect(kValueLeft, 240, 0, 195));
    nayin_->setObjectName(QStringLiteral("lblNayin"));
    const QString elementCaption = ShownText(TextId::ElementsElement);
    MakeCaption(elementCaption, panel, kLeft, 540, kValueLeft)
        ->setObjectName(QStringLiteral("lblCaptionElement"));
    element_ = MakeValue({}, elementCaption, panel, TwipsRect(kValueLeft, 540, 0, 195));
    element_->setObjectName(QStringLiteral("lblElement"));
    rule_ = MakeReadingLines(panel, TwipsRect(kLeft, 840, 7335, 480), 1).front();
    rule_->setObjectName(QStringLiteral("lblElementRule"));

    const QString suitCaption = ShownText(TextId::ElementsSuit);
    MakeCaption(suitCaption, panel, kLeft, 1380, kAvoidLeft - 120)
        ->setObjectName(QStringLiteral("lblCaptionSuit"));
    const QString avoidCaption = ShownText(TextId::ElementsAvoid);
    MakeCaption(avoidCaption, panel, kAvoidLeft, 1380, 7695)
        ->setObjectName(QStringLiteral("lblCaptionAvoid"));
    const auto makeRow = [panel](const QString& whatItShows, int left, int top) {
        ColourRow row;
        row.swatch = new Swatch(whatItShows, panel);
        row.swatch->setGeometry(TwipsRect(left, top, kSwatchSize, kSwatchSize));
        row.name = MakeValue({}, whatItShows, panel, TwipsRect(left + 465, top + 75, 0, 195));
        return row;
    };
    for (std::size_t i = 0; i < suit_.size(); ++i) {
        const int column = static_cast<int>(i) / kRowsPerColumn;
        const int row = static_cast<int>(i) % kRowsPerColumn;
        suit_[i] =
            makeRow(suitCaption, kLeft + column * kColumnWidth, kColoursTop + row * kRowHeight);
        suit_[i].swatch->setObjectName(Named("lblSuitSwatch", i));
        suit_[i].name->setObjectName(Named("lblSuitColour", i));
    }
    for (std::size_t i = 0; i < avoid_.size(); ++i) {
        avoid_[i] =
            makeRow(avoidCaption, kAvoidLeft, kColoursTop + static_cast<int>(i) * kRowHeight);
        avoid_[i].swatch->setObjectName(Named("lblAvoidSwatch", i));
        avoid_[i].name->setObjectName(Named("lblAvoidColour", i));
    }

    const auto lines = MakeReadingLines(
        panel, TwipsRect(kLeft, kColoursTop + kRowsPerColumn * kRowHeight + 60, 7335, 1500), 2);
    year_ = lines[0];
    year_->setObjectName(QStringLiteral("lblElementsYear"));
    liChunDay_ = lines[1];
    liChunDay_->setObjectName(QStringLiteral("lblElementsLiChunDay"));
}

void ElementsPanel::ShowColours(const std::vector<ElementColour>& colours,
                                std::span<const ColourRow> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool shown = i < colours.size();
        rows[i].swatch->setVisible(shown);
        rows[i].name->setVisible(shown);
        if (!shown)
            continue;
        const ColourValue swatch = colours[i].swatch;
        rows[i].name->SetValue(ShownText(colours[i].name));
        rows[i].swatch->SetColour(QColor(RedOf(swatch), GreenOf(swatch), BlueOf(swatch)),
                                  rows[i].name->text());
    }
}

void ElementsPanel::Show(const Reading& reading) {
    nayin_->SetValue(ShownText(NayinName(reading.elements.cycle.nayin)));
    element_->SetValue(ShownText(ElementName(reading.elements.element)));
    ShowLine(rule_, ElementRulePhrase(reading));
    ShowColours(reading.elements.suit, suit_);
    ShowColours(reading.elements.avoid, avoid_);
    ShowLine(year_, FengShuiYearPhrase(reading));
    ShowLine(liChunDay_, ElementsLiChunDayPhrase(reading));
}

} // namespace korvane
