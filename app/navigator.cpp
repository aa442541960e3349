#include "navigator.h"

#include "about_window.h"
#include "birth_details_window.h"
#include "exit_path.h"
#include "exit_promotion_window.h"
#include "reading_for.h"
#include "result_window.h"
#include "window_registry.h"

namespace korvane {
namespace {

// The reading hand-off, once the birth details window has accepted its
// inputs: the reading goes into the result window (created hidden by this
// first use), which is shown, and the birth details window is unloaded. The
// unload happens while "Get My Lucky Car Color" is still pressed, so it is
// not leaving the program. Accepted details always have a reading; were one
// missing, the window would stay as it is.
void HandOffReading(frmMain& details) {
    const auto birth = BirthOf(details.Details());
    const auto reading = birth ? ReadingFor(*birth) : std::nullopt;
    if (!reading)
        return;
    auto& result = WindowRegistry::Instance().Use<frmLuckyCarResult>();
    result.ShowReading(*reading);
    result.ShowCentred();
    WindowRegistry::Unload(&details);
}

// Back, from the button or the File menu: a fresh birth details window
// first, then the result window goes, then the exit promotion window is
// hidden. From the menu the button is not pressed, so the result window's
// closing has just shown the exit promotion window; it is not wanted on the
// way back.
void GoBack(frmLuckyCarResult& result) {
    WindowRegistry& windows = WindowRegistry::Instance();
    windows.Use<frmMain>().ShowCentred();
    WindowRegistry::Unload(&result);
    windows.Use<frmNagScreen2>().hide();
}

// The closing rule of both main windows. A window tells a hand-off from the
// user leaving by whether its hand-off button is pressed right now. Leaving
// takes the exit path before the window finishes closing; either way the
// window is forgotten, so that its next use creates it afresh.
void MainWindowClosing(QWidget& window, bool handOffButtonPressed) {
    if (!handOffButtonPressed)
        TakeExitPath();
    WindowRegistry::Instance().Forget(&window);
}

// However the exit promotion window goes, the program ends.
void ExitWindowClosing(frmNagScreen2& exitWindow) {
    WindowRegistry::Instance().Forget(&exitWindow);
    EndProgram();
}

} // namespace

void ConnectToNavigator(QWidget* window) {
    if (auto* details = qobject_cast<frmMain*>(window)) {
        QObject::connect(details, &frmMain::readingRequested, details,
                         [details] { HandOffReading(*details); });
        QObject::connect(details, &frmMain::closing, details,
                         [details] { MainWindowClosing(*details, details->IsProceedPressed()); });
    } else if (auto* result = qobject_cast<frmLuckyCarResult*>(window)) {
        QObject::connect(result, &frmLuckyCarResult::backRequested, result,
                         [result] { GoBack(*result); });
        QObject::connect(result, &frmLuckyCarResult::aboutRequested, result,
                         [result] { ShowAboutWindow(result); });
        QObject::connect(result, &frmLuckyCarResult::closing, result,
                         [result] { MainWindowClosing(*result, result->IsBackPressed()); });
    } else if (auto* exitWindow = qobject_cast<frmNagScreen2*>(window)) {
        QObject::connect(exitWindow, &frmNagScreen2::exitPressed, exitWindow, [] { EndProgram(); });
        QObject::connect(exitWindow, &frmNagScreen2::closing, exitWindow,
                         [exitWindow] { ExitWindowClosing(*exitWindow); });
    }
}

} // namespace korvane
