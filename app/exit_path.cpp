#include "exit_path.h"

#include "exit_promotion_window.h"
#include "window_registry.h"

namespace korvane {

void TakeExitPath() {
    WindowRegistry::Instance().Use<frmNagScreen2>().ShowCentred();
}

void EndProgram() {
    WindowRegistry& windows = WindowRegistry::Instance();
    if (!windows.BeginEnding())
        return;
    for (QWidget* window : windows.LoadedInLoadOrder())
        WindowRegistry::Unload(window);
    // Unloading a main window takes the exit path, which shows the exit
    // promotion window again; it goes too.
    for (QWidget* window : windows.LoadedInLoadOrder())
        window->hide();
    windows.EndProcess();
}

} // namespace korvane
