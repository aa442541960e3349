#pragma once

#include <QPalette>

namespace korvane {

// The colours of every control of the program: the ordinary light look, with
// black text on white text boxes and lists. The windows are designed in fixed
// colours (blue and white backgrounds, black, white or coloured text), so a
// dark desktop palette would leave parts of them unreadable.
const QPalette& ProgramPalette();

// Gives the whole program its own palette in place of the desktop's, and
// makes its top-level windows known to screen readers as windows. Call once,
// after the application object exists and before the first window is built.
void ApplyProgramLook();

// Leaves Qt's pixmap cache no room, so that the style keeps no pictures of
// the controls it draws: a long session would otherwise grow with every
// reading (the pictures' names are never dropped). The first window may use
// the cache while it paints its first frame.
void KeepNoPicturesOfControls();

} // namespace korvane
