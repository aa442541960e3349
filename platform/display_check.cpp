#include "display_check.h"

#include <QByteArray>
#include <QtGlobal>

namespace korvane {

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)

namespace {

// The platform plugins that can run without a display server of any kind.
bool RunsHeadless() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    return platform.startsWith("offscreen") || platform.startsWith("minimal") ||
           platform.startsWith("vnc") || platform.startsWith("eglfs") ||
           platform.startsWith("linuxfb");
}

} // namespace

bool HasDisplay() {
    return RunsHeadless() || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

#else

// Windows and macOS always have their desktop.
bool HasDisplay() {
    return true;
}

#endif

} // namespace korvane
