#include "top_most.h"

#include <QGuiApplication>
#include <QWidget>

#include <windows.h>

namespace korvane {

void KeepTopMostWithoutActivating(QWidget* window) {
    // Other platform plugins (offscreen in tests) have no window handle.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return;
    // Creates the native window if it does not exist yet, without showing it.
    const auto handle = reinterpret_cast<HWND>(window->winId());
    if (!handle)
        return;
    // A refusal leaves the window where it is; nothing more to do about it.
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

} // namespace korvane
