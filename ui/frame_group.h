#pragma once

#include <QGroupBox>

namespace korvane {

// A framed group of controls with the frame of Fusion's group box, drawn the
// same on every Qt version: Fusion's frame picture at the place Qt 6.4 puts
// it. Qt 6.8's Fusion draws its frame three pixels higher, and paints it in
// one pass, so that a frame of 96 rows or more makes the raster engine
// start worker threads, which then stay in memory. This frame is drawn in
// bands of fewer rows, on the window's own thread.
class FrameGroup : public QGroupBox {
public:
    explicit FrameGroup(QWidget* parent);
    FrameGroup(const QString& title, QWidget* parent);

    // Where the frame picture lies, in the widget's coordinates.
    QRect FrameRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korvane
