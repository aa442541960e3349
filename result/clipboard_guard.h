#pragma once

#include <QString>
#include <QStringList>

namespace korvane {

// The sign texts are meant to be read on the screen, not carried off. The
// guard takes back only what a sign text box itself gave away: the text the
// user copied out of it or selected in it (the X selection). Anything else
// on the clipboard, the program's own other copies (a name copied from the
// name box) as much as another program's, is never touched.
class ClipboardGuard {
public:
    // A sign text box has handed this text to the clipboard, the selection
    // or a drag.
    void GivenAway(const QString& text);

    // Empties the clipboard and the selection where either still holds, as
    // the program's own, a text a sign text box gave away. Whatever is not
    // held then can come back only through a box again, so it is forgotten.
    void Guard();

private:
    QStringList givenAway_; // line feeds only
};

// The guard of this run, shared by every result window: a copy from an
// earlier reading's box is taken back by the next reading.
ClipboardGuard& TheClipboardGuard();

} // namespace korvane
