#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace korvane {

class LinkLabel;

// The about window: the program's name and version, what it does, two
// links to the maker and "OK".
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent);

private:
    // The controls, named as the program's design names them; each carries
    // its name as its object name.
    QLabel* picIcon = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblCobrand = nullptr;
    QPushButton* cmdOK = nullptr;

    void BuildHeading();
    void BuildDescription();
    void BuildOffer();
    void BuildCommands();
};

// Shows a fresh about window modally over the window that asks for it.
void ShowAboutWindow(QWidget* opener);

} // namespace korvane
