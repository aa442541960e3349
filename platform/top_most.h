#pragma once

class QWidget;

namespace korvane {

// Where the desktop has a notion of "topmost" windows of its own (Windows),
// makes the window one without activating it; elsewhere the stay-on-top
// window hint is all there is and this does nothing.
void KeepTopMostWithoutActivating(QWidget* window);

} // namespace korvane
