#pragma once

class QAction;
class QMainWindow;
class QString;

namespace korvane {

// The Help menu and the two commands on the menu bar that both main windows
// carry. Only two captions differ between the windows. Every entry but
// "About" opens its page; "About" is left for the window to connect.
struct HelpMenus {
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr; // never offered
};

HelpMenus AddHelpMenus(QMainWindow* window, const QString& updateCaption,
                       const QString& makeMoneyCaption);

} // namespace korvane
