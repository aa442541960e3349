#include "help_menus.h"

#include "shown_text.h"
#include "web_links.h"

#include <QMainWindow>
#include <QMenuBar>

namespace korvane {

HelpMenus AddHelpMenus(QMainWindow* window, const QString& updateCaption,
                       const QString& makeMoneyCaption) {
    HelpMenus menus;
    QMenuBar* bar = window->menuBar();
    QMenu* mnuHelp = bar->addMenu(ShownText(TextId::MenuHelp));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    menus.mnuOnline = mnuHelp->addAction(ShownText(TextId::MenuOnlineHelp));
    menus.mnuOnline->setObjectName(QStringLiteral("mnuOnline"));
    QObject::connect(menus.mnuOnline, &QAction::triggered, window, [] { OpenOnlineHelp(); });
    menus.mnuVisit = mnuHelp->addAction(ShownText(TextId::MenuVisit));
    menus.mnuVisit->setObjectName(QStringLiteral("mnuVisit"));
    QObject::connect(menus.mnuVisit, &QAction::triggered, window, [] { OpenHomePage(); });
    mnuHelp->addSeparator();
    menus.mnuUpdate = mnuHelp->addAction(updateCaption);
    menus.mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    QObject::connect(menus.mnuUpdate, &QAction::triggered, window, [] { OpenDownloadPage(); });
    mnuHelp->addSeparator();
    // The about window belongs to the program, not to the links: the window
    // that carries the menu decides what this entry shows.
    menus.mnuAbout = mnuHelp->addAction(ShownText(TextId::MenuAbout));
    menus.mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    menus.mnuDonate = bar->addAction(ShownText(TextId::MenuDonate));
    menus.mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(menus.mnuDonate, &QAction::triggered, window, [] { OpenDonatePage(); });
    menus.mnuMakeMoney = bar->addAction(makeMoneyCaption);
    menus.mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    menus.mnuMakeMoney->setVisible(false);
    menus.mnuMakeMoney->setEnabled(false);
    QObject::connect(menus.mnuMakeMoney, &QAction::triggered, window, [] { OpenFullBrandPage(); });
    return menus;
}

} // namespace korvane
