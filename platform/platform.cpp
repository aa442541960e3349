#include "platform.h"

#include "qt_platform.h"

namespace korvane {
namespace {

Platform* g_installed = nullptr;

} // namespace

Platform& ThePlatform() {
    if (g_installed)
        return *g_installed;
    static QtPlatform qtPlatform;
    return qtPlatform;
}

void SetPlatform(Platform* platform) {
    g_installed = platform;
}

} // namespace korvane
