#include "exit_path.h"

#include "exit_promotion_window.h"
#include "window_registry.h"

namespace korvane {

void TakeExitPath() {
    WindowRegistry::Instance().Use<frmNagScreen2>().ShowCentred();
}

} // namespace korvane
