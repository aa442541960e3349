#pragma once

#include "refer_request.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace korvane {

class LinkLabel;

// The exit promotion window: shown when the user leaves a main window; it
// asks for support, advertises the maker's other programs, carries the
// refer-a-friend form and ends the program when it is closed.
class frmNagScreen2 : public QWidget {
    Q_OBJECT
public:
    frmNagScreen2();

    void ShowCentred();

    // The message box's text as it is sent: line breaks as CR LF.
    QString MessageText() const;

signals:
    void exitPressed();
    // The window is closing, for whatever reason.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls, named as the program's design names them; each carries
    // its name as its object name.
    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblGoToHome = nullptr;

    void BuildHeader();
    void BuildReferAFriend();
    void BuildCatalogue();
    void SetTabOrder();
    void Load();
    void Check1_Click();
    void cmdSubmit_Click();
    // Says that e-mail addresses hold no spaces and puts the focus back.
    void RefuseSpace(QLineEdit* box);
    QLineEdit* MakeFormBox(ReferField field, const QRect& rect);
};

} // namespace korvane
