#include "clipboard_guard.h"

#include "line_breaks.h"
#include "platform.h"

namespace korvane {

void ClipboardGuard::Guard(const QString& signText) {
    if (!signText.isEmpty())
        Remember(signText);
    Platform& platform = ThePlatform();
    for (const ClipboardPart part : {ClipboardPart::Clipboard, ClipboardPart::Selection}) {
        const std::optional<QString> held = platform.OwnClipboardText(part);
        if (held && !held->isEmpty() && IsPartOfRemembered(WithLineFeeds(*held)))
            platform.ClearClipboard(part);
    }
}

void ClipboardGuard::Remember(const QString& signText) {
    const QString text = WithLineFeeds(signText);
    const qsizetype known = texts_.indexOf(text);
    if (known == 0)
        return;
    if (known > 0)
        texts_.removeAt(known);
    texts_.prepend(text);
    if (texts_.size() > kMostRemembered)
        texts_.removeLast();
}

bool ClipboardGuard::IsPartOfRemembered(const QString& held) const {
    for (const QString& text : texts_) {
        if (text.contains(held))
            return true;
    }
    return false;
}

ClipboardGuard& TheClipboardGuard() {
    static ClipboardGuard guard;
    return guard;
}

} // namespace korvane
