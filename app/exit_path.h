#pragma once

namespace korvane {

// Leaving a main window other than by the program's own hand-off shows the
// exit promotion window, which ends the program when it is closed.
void TakeExitPath();

} // namespace korvane
