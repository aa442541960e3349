#include "frame_group.h"

#include <QPaintEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace korvane {
namespace {

// Below the 96 rows from which the raster engine shares out a fill.
constexpr int kBandRows = 64;

} // namespace

FrameGroup::FrameGroup(QWidget* parent) : QGroupBox(parent) {}

void FrameGroup::paintEvent(QPaintEvent* event) {
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // Every pixel lies in exactly one band, so each is drawn once, as a
    // single pass would draw it.
    const QRect area = event->rect();
    for (int top = area.top(); top <= area.bottom(); top += kBandRows) {
        painter.setClipRect(QRect(area.left(), top, area.width(), kBandRows));
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }
}

} // namespace korvane
