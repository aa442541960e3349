#pragma once

namespace korvane {

// Whether a graphical session is there to show windows on. Asked before the
// application object exists, since Qt aborts without one.
bool HasDisplay();

} // namespace korvane
