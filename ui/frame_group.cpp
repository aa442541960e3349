#include "frame_group.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPixmap>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace korvane {
namespace {

// Fusion's frame picture: its corners, six pixels square, stay as they are;
// its edges and middle stretch. Qt 6.4 and 6.8 carry the same picture.
const QString kFramePicture =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
const QMargins kFrameCorners(6, 6, 6, 6);
// Fusion's gap above the frame of a group box without a title.
constexpr int kTopGap = 3;
constexpr int kOptionButtonHeight = 14;
// Below the 96 rows of the device from which the raster engine shares out
// a stretched picture.
constexpr int kBandRows = 64;

// Decoded once for the run: once the first frame is out, Qt's picture cache
// has no room, and a picture made from its resource at each paint would be
// decoded afresh each time.
const QPixmap& FramePicture() {
    static QPixmap* picture = nullptr;
    if (!picture) {
        picture = new QPixmap(kFramePicture);
        qAddPostRoutine([] {
            delete picture;
            picture = nullptr;
        });
    }
    return *picture;
}

} // namespace

FrameGroup::FrameGroup(QWidget* parent) : QGroupBox(parent) {}

FrameGroup::FrameGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

QRect FrameGroup::FrameRect() const {
    int top = kTopGap;
    // Below a title: its line, at least as high as Fusion's option button.
    if (!title().isEmpty())
        top += std::max(fontMetrics().height(), kOptionButtonHeight);
    return rect().adjusted(0, top, 0, 0);
}

void FrameGroup::paintEvent(QPaintEvent* event) {
    QStylePainter painter(this);
    const QRect area = event->rect();
    const QPixmap& picture = FramePicture();
    const QRect frame = FrameRect();
    // Bands counted in the rows of the device painted on: twice the pixels,
    // half the rows.
    const qreal scale = std::abs(painter.deviceTransform().m22());
    const int bandRows = std::max(1, static_cast<int>(kBandRows / std::max(scale, 1.0)));
    // Every pixel lies in exactly one band, so each is drawn once, as a
    // single pass would draw it.
    for (int top = area.top(); top <= area.bottom(); top += bandRows) {
        painter.setClipRect(QRect(area.left(), top, area.width(), bandRows));
        qDrawBorderPixmap(&painter, frame, kFrameCorners, picture);
    }
    painter.setClipping(false);
    if (title().isEmpty())
        return;
    // The title as the style draws it, without the style's frame.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

} // namespace korvane
