#pragma once

#include <QString>
#include <QStringList>

namespace korvane {

// The sign texts are meant to be read on the screen, not carried off. What
// counts as the program's own text on the clipboard (and on the X
// selection): text this program put there that is part of any sign text
// shown in this run; text copied from an earlier reading's box is as much
// ours to take back as text from the current one. Anything another program
// put there is never touched.
class ClipboardGuard {
public:
    // The program shows only a handful of different sign texts; the cap is
    // there all the same.
    static constexpr qsizetype kMostRemembered = 64;

    // Remembers the text, unless it is empty, as the newest sign text, then
    // empties the clipboard and the selection where either holds the
    // program's own copy of part of a remembered text.
    void Guard(const QString& signText);

    // The remembered texts, newest first, with line feeds only.
    const QStringList& Remembered() const { return texts_; }

private:
    void Remember(const QString& signText);
    bool IsPartOfRemembered(const QString& held) const;

    QStringList texts_;
};

// The guard of this run, shared by every result window.
ClipboardGuard& TheClipboardGuard();

} // namespace korvane
