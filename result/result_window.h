#pragma once

#include "panel_writers.h"
#include "reading_for.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace korvane {

class ElementsPanel;
class LinkLabel;
class Swatch;
class SunSignTextBox;
class ValueLabel;

// The result window: the astrology, the Feng Shui and the element reading on
// three panels in the same place, switched by a tab strip.
class frmLuckyCarResult : public QMainWindow {
    Q_OBJECT
public:
    frmLuckyCarResult();
    ~frmLuckyCarResult() override;

    // Puts a reading on the panels.
    void ShowReading(const Reading& reading);

    void ShowCentred();

    // True only while the Back button's own click is being handled: closing
    // then is the way back, not leaving.
    bool IsBackPressed() const { return cmdBackPressed_; }

signals:
    // Back, from the button or the File menu.
    void backRequested();
    void aboutRequested();
    // The window is closing, for whatever reason.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The controls, named as the program's design names them; each carries
    // its name as its object name.
    LinkLabel* Label14 = nullptr;
    QTabBar* TS = nullptr;
    QStackedWidget* panels = nullptr;
    QWidget* fraResult[3] = {nullptr, nullptr, nullptr};
    QGroupBox* fraFullBrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdPrint = nullptr;

    QLabel* lblCaption[8] = {};
    // Element 1 is the paragraph about the car colour; the others are
    // ValueLabels.
    QLabel* lblLuckyCar_Result[5] = {};
    Swatch* lblColorCode[5] = {};
    SunSignTextBox* txtSunSign_Desc = nullptr;
    ValueLabel* lblColourToWearSuccess = nullptr;
    ValueLabel* lblColourToWearHealth = nullptr;
    ValueLabel* lblColourToWearRelationships = nullptr;
    ValueLabel* lblColourToWearPersonal = nullptr;

    QAction* mnuPrint = nullptr;
    QAction* mnuBack = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

    void BuildWindowControls(QWidget* client);
    void BuildForumLink(QWidget* client);
    void BuildReadingTabs(QWidget* client);
    // Each panel creates and names only its own controls.
    void BuildAstrologyPanel(QWidget* panel);
    void BuildFengShuiPanel(QWidget* panel);
    void BuildElementsPanel(QWidget* panel);
    void BuildOffers(QWidget* client);
    void BuildCommands(QWidget* client);
    void SetTabOrder();
    void BuildMenus();
    void BuildTabShortcuts();
    void TS_Click();
    void cmdBack_Click();
    void cmdPrint_Click();

    // True only while cmdBack's own click is being handled.
    bool cmdBackPressed_ = false;
    AstrologyPanelControls astrologyControls_;
    FengShuiPanelControls fengShuiControls_;
    std::unique_ptr<ElementsPanel> elementsPanel_;
};

} // namespace korvane
