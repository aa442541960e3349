#pragma once

#include "birth_details.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvane {

class LinkLabel;
enum class DatePart;

// The birth details window: name, sex and birth date in, a reading out.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();

    void ShowCentred();

    // Checks name, sex and date; on the first failure shows its message,
    // moves the focus where the user has to act and returns false.
    bool ValidateBirthDetails();

    // The details as the form holds them.
    BirthDetails Details() const;

    // True only while "Get My Lucky Car Color" is being handled: closing
    // then is the hand-off to the result window, not leaving.
    bool IsProceedPressed() const { return cmdProceedPressed_; }

    // Puts the co-branding offer (true) or the full-branding offer in front.
    void BringCoBrandToFront(bool coBrand);

signals:
    // The inputs were accepted and a reading is wanted.
    void readingRequested();
    // The window is closing, for whatever reason.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The controls, named as the program's design names them; each carries
    // its name as its object name.
    LinkLabel* Label14 = nullptr;
    QLabel* Label1_1 = nullptr;
    QGroupBox* fraDetails = nullptr;
    QLabel* Label1_0 = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QLabel* Label5 = nullptr;
    QRadioButton* optSex[2] = {nullptr, nullptr};
    QPushButton* cmdProceed = nullptr;
    QGroupBox* fraFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;

    QAction* nuExit = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

    void BuildControls(QWidget* client);
    void BuildForumLink(QWidget* client);
    void BuildIntroduction(QWidget* client);
    void BuildDetailsFrame(QWidget* client);
    void BuildName(const QFont& bold);
    void BuildBirthDay(const QFont& bold);
    void PlaceDateLists();
    QComboBox* DateList(DatePart part) const;
    void BuildSex(const QFont& bold);
    void BuildProceed(const QFont& bold);
    void BuildOffers(QWidget* client);
    void BuildMenus();
    void SetTabOrder();
    void LoadLists();
    void cmdProceed_Click();

    bool cmdProceedPressed_ = false;
};

} // namespace korvane
