#pragma once

#include "reading_for.h"

#include <array>

class QLabel;
class QWidget;

namespace korvane {

class Swatch;
class ValueLabel;

// The element tab of the result window: the year's Na Yin and element, how
// the colours follow from it, the colours that suit and those to avoid, each
// with its swatch, and the year the reading counts from.
class ElementsPanel {
public:
    // Builds the controls in the panel, each named for the tests.
    explicit ElementsPanel(QWidget* panel);

    void Show(const Reading& reading);

private:
    struct ColourRow {
        Swatch* swatch = nullptr;
        ValueLabel* name = nullptr;
    };
    // The most colours a reading has to suit (an element's three and its
    // producer's three) and to avoid.
    static constexpr std::size_t kMostSuit = 6;
    static constexpr std::size_t kMostAvoid = 3;

    ValueLabel* nayin_ = nullptr;
    ValueLabel* element_ = nullptr;
    QLabel* rule_ = nullptr;
    std::array<ColourRow, kMostSuit> suit_{};
    std::array<ColourRow, kMostAvoid> avoid_{};
    QLabel* year_ = nullptr;
    QLabel* liChunDay_ = nullptr;

    static void ShowColours(const std::vector<ElementColour>& colours,
                            std::span<const ColourRow> rows);
};

} // namespace korvane
