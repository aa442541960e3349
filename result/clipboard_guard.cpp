#include "clipboard_guard.h"

#include "line_breaks.h"
#include "platform.h"

namespace korvane {

void ClipboardGuard::GivenAway(const QString& text) {
    const QString given = WithLineFeeds(text);
    if (!given.isEmpty() && !givenAway_.contains(given))
        givenAway_.append(given);
}

void ClipboardGuard::Guard() {
    if (givenAway_.isEmpty())
        return;
    Platform& platform = ThePlatform();
    for (const ClipboardPart part : {ClipboardPart::Clipboard, ClipboardPart::Selection}) {
        const std::optional<QString> held = platform.OwnClipboardText(part);
        if (held && givenAway_.contains(WithLineFeeds(*held)))
            platform.ClearClipboard(part);
    }
    givenAway_.clear();
}

ClipboardGuard& TheClipboardGuard() {
    static ClipboardGuard guard;
    return guard;
}

} // namespace korvane
