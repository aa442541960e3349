#pragma once

class QWidget;

namespace korvane {

// Connects a window that has just been loaded to the flow between the
// windows. The windows only announce what happened to them (a reading was
// asked for, Back, the window is closing); what follows is decided here.
void ConnectToNavigator(QWidget* window);

} // namespace korvane
