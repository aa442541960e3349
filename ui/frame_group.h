#pragma once

#include <QGroupBox>

namespace korvane {

// A framed group of controls, drawn exactly as a QGroupBox. Qt's raster
// engine hands a stretched picture that covers 96 rows or more to worker
// threads, which it starts for that one paint and which then stay in memory;
// this frame is drawn in bands of fewer rows, on the window's own thread.
class FrameGroup : public QGroupBox {
public:
    explicit FrameGroup(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korvane
