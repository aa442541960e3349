#include "about_window.h"

#include "link_label.h"
#include "look.h"
#include "program_icon.h"
#include "shown_text.h"
#include "twips.h"
#include "ui_texts.h"
#include "web_links.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace korvane {
namespace {

const QColor kLinkPink(223, 38, 140);

QLabel* MakeLabel(const QString& text, QWidget* parent, const QRect& rect, const QFont& font) {
    QLabel* label = MakePlainLabel(text, parent, rect, font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

LinkLabel* MakeLink(const QString& text, QWidget* parent, const QRect& rect) {
    return MakeLinkLabel(text, parent, rect, {.colour = kLinkPink});
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kWindowCaptionText());
    // A dialog of its opener: fixed, no task bar entry.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setFont(ProgramFont());
    SetOpaqueBackground(this, Qt::white);
    setFixedSize(Px(5985), Px(3435));

    BuildHeading();
    BuildDescription();
    BuildOffer();
    BuildCommands();

    // OK first; the links follow for keyboard users.
    setTabOrder(cmdOK, lblHomePage);
    setTabOrder(lblHomePage, lblCobrand);
    cmdOK->setFocus();
    FitTexts(this);
}

// The icon and the program's name and version.
void frmAbout::BuildHeading() {
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(TwipsRect(120, 150, 480, 480));
    picIcon->setPixmap(ProgramIconPicture(32, devicePixelRatioF()));
    picIcon->setAccessibleName(ShownText(TextId::ProgramIcon));

    Label2 = MakeLabel(kWindowCaptionText(), this, TwipsRect(780, 360, 4275, 270),
                       ProgramFont(11.25, true));
    Label2->setObjectName(QStringLiteral("Label2"));
    SetTextColour(Label2, kProgramBlue);
}

// What the program does, and the link to the maker.
void frmAbout::BuildDescription() {
    Label1 = MakeLabel(ShownText(TextId::AboutDescription), this, TwipsRect(120, 720, 5745, 975),
                       ProgramFont());
    Label1->setObjectName(QStringLiteral("Label1"));

    lblHomePage =
        MakeLink(ShownText(TextId::AboutHomeLink), this, TwipsRect(1815, 1695, 4050, 195));
    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    connect(lblHomePage, &LinkLabel::activated, this, [] { OpenHomePage(); });
}

// The full-branding offer and its link.
void frmAbout::BuildOffer() {
    Label3 = MakeLabel(ShownText(TextId::AboutOffer), this, TwipsRect(120, 2040, 5745, 555),
                       ProgramFont(8.25, true));
    Label3->setObjectName(QStringLiteral("Label3"));
    SetTextColour(Label3, QColor(0, 0, 128));

    lblCobrand =
        MakeLink(ShownText(TextId::AboutOfferLink), this, TwipsRect(3570, 2580, 2295, 195));
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    connect(lblCobrand, &LinkLabel::activated, this, [] { OpenFullBrandPage(); });
}

// A rule across the window, and OK under it.
void frmAbout::BuildCommands() {
    // A plain rule two pixels wide in the text colour, across the window.
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line2"));
    line->setAccessibleName(ShownText(TextId::AboutRule));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(2);
    line->setMidLineWidth(0);
    line->setGeometry(QRect(Px(-60), Px(2910) - 1, Px(6150), 2));

    cmdOK = new QPushButton(ShownText(TextId::AboutOk), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(4605, 3000, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void ShowAboutWindow(QWidget* opener) {
    // Created afresh each time; Escape and the close box close it like OK.
    frmAbout about(opener);
    // Qt would place a dialog over its opener; this one belongs in the
    // middle of the screen the opener is on, wherever the opener stands.
    if (opener && opener->screen())
        about.setScreen(opener->screen());
    CentreOnScreen(&about);
    about.exec();
}

} // namespace korvane
