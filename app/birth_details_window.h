#pragma once

#include <QMainWindow>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvane {

class LinkLabel;

// The birth details window: name, sex and birth date in, a reading out.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain();

    void ShowCentred();

    // Checks name, sex and date; on the first failure shows its message,
    // moves the focus where the user has to act and returns false.
    bool ValidateBirthDetails();

    // Puts the co-branding offer (true) or the full-branding offer in front.
    void BringCoBrandToFront(bool coBrand);
    bool IsCoBrandInFront() const;

    // The controls, named as the program's design names them.
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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls(QWidget* client);
    void BuildMenus();
    void SetTabOrder();
    void LoadLists();
    void cmdProceed_Click();
    void HandOffReading();

    // True only while cmdProceed's own click is being handled.
    bool cmdProceedPressed_ = false;
};

} // namespace korvane
