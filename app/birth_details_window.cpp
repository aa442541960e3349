#include "birth_details_window.h"

#include "astrology.h"
#include "birth_details.h"
#include "exit_path.h"
#include "feng_shui.h"
#include "help_menus.h"
#include "link_label.h"
#include "look.h"
#include "month_names.h"
#include "platform.h"
#include "reading_record.h"
#include "result_window.h"
#include "twips.h"
#include "ui_texts.h"
#include "web_links.h"
#include "window_registry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace korvane {
namespace {

LinkLabel* MakeLinkLabel(const QString& text, QWidget* parent, const QRect& rect) {
    auto* label = new LinkLabel(text, parent);
    QFont font = ProgramFont(8.25, true);
    font.setUnderline(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(rect);
    return label;
}

QComboBox* MakeList(QWidget* parent, const QRect& rect, const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->setEditable(false);
    list->setGeometry(rect);
    list->setAccessibleName(accessibleName);
    return list;
}

} // namespace

frmMain::frmMain() {
    QWidget* client = SetUpMainWindow(this, QStringLiteral("frmMain"), 7320, 4515, false);
    BuildControls(client);
    BuildMenus();
    SetTabOrder();
    LoadLists();
    txtName->setFocus();
}

void frmMain::ShowCentred() {
    ShowMainWindowCentred(this);
    // The wrapped texts are fitted once the window has been handed to the
    // window system and before its first paint (nothing is drawn until the
    // event loop runs again), so the bold fonts this needs do not hold the
    // window back.
    FitWrappedLabels(this);
}

void frmMain::BuildControls(QWidget* client) {
    const QFont bold = ProgramFont(8.25, true);

    Label14 = MakeLinkLabel(ForumInvitation(), client, TwipsRect(1215, 0, 4890, 450));
    Label14->setObjectName(QStringLiteral("Label14"));
    connect(Label14, &LinkLabel::activated, this, [] { OpenHomePage(); });

    Label1_1 =
        MakePlainLabel(QStringLiteral("Your car color reflects your personality. Choose your car "
                                      "color based on Astrology & Feng Shui. Choose the color "
                                      "that suits your purpose in life. Just enter your name and "
                                      "date of birth to get started!"),
                       client, TwipsRect(240, 600, 6855, 675), ProgramFont(9, true));
    Label1_1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1_1->setWordWrap(true);
    SetTextColour(Label1_1, Qt::white);

    fraDetails = new QGroupBox(client);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setGeometry(TwipsRect(1238, 1440, 4845, 2055));
    SetOpaqueBackground(fraDetails, kProgramBlue);

    Label1_0 =
        MakePlainLabel(QStringLiteral("Name"), fraDetails, TwipsRect(480, 323, 555, 195), bold);
    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(TwipsRect(1290, 270, 3105, 300));
    txtName->setAccessibleName(QStringLiteral("Name"));

    Label2 = MakePlainLabel(QStringLiteral("Birth Day"), fraDetails, TwipsRect(180, 810, 900, 195),
                            bold);
    cboDate = MakeList(fraDetails, TwipsRect(1290, 720, 645, 315), QStringLiteral("Birth day"));
    cboDate->setObjectName(QStringLiteral("cboDate"));
    cboMonth = MakeList(fraDetails, TwipsRect(1965, 720, 1305, 315), QStringLiteral("Birth month"));
    cboMonth->setObjectName(QStringLiteral("cboMonth"));
    cboYear = MakeList(fraDetails, TwipsRect(3300, 720, 1095, 315), QStringLiteral("Birth year"));
    cboYear->setObjectName(QStringLiteral("cboYear"));

    Label5 =
        MakePlainLabel(QStringLiteral("Sex"), fraDetails, TwipsRect(630, 1260, 360, 195), bold);
    const QString sexCaptions[2] = {QStringLiteral("Male"), QStringLiteral("Female")};
    const QRect sexRects[2] = {TwipsRect(1320, 1260, 735, 225), TwipsRect(2190, 1260, 915, 225)};
    for (int i = 0; i < 2; ++i) {
        optSex[i] = new QRadioButton(sexCaptions[i], fraDetails);
        optSex[i]->setObjectName(QStringLiteral("optSex%1").arg(i));
        optSex[i]->setGeometry(sexRects[i]);
        optSex[i]->setAccessibleName(QStringLiteral("Sex: ") + sexCaptions[i]);
        SetOpaqueBackground(optSex[i], kProgramBlue);
    }
    optSex[0]->setChecked(true);

    cmdProceed = new QPushButton(QStringLiteral("&Get My Lucky Car Color"), fraDetails);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setGeometry(TwipsRect(180, 1560, 4450, 375));
    cmdProceed->setFont(bold);
    cmdProceed->setAutoDefault(false);
    cmdProceed->setDefault(false);
    connect(cmdProceed, &QPushButton::clicked, this, [this] {
        QScopedValueRollback pressed(cmdProceedPressed_, true);
        cmdProceed_Click();
    });

    fraFullBrand = new QGroupBox(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setGeometry(TwipsRect(0, 3600, 7300, 900));
    SetOpaqueBackground(fraFullBrand, kProgramBlue);

    lblCobrand = MakeLinkLabel(CoBrandOfferText(), fraFullBrand, TwipsRect(60, 165, 7200, 700));
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    SetOpaqueBackground(lblCobrand, kProgramBlue);
    connect(lblCobrand, &LinkLabel::activated, this, [] { OpenCoBrandPage(); });

    lblFullBrand = MakeLinkLabel(FullBrandOfferText(), fraFullBrand, TwipsRect(60, 165, 7200, 700));
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    SetOpaqueBackground(lblFullBrand, kProgramBlue);
    connect(lblFullBrand, &LinkLabel::activated, this, [] { OpenFullBrandPage(); });
    BringCoBrandToFront(false);
}

void frmMain::BuildMenus() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    nuExit = mnuFile->addAction(QStringLiteral("E&xit"));
    connect(nuExit, &QAction::triggered, this, [this] { WindowRegistry::Unload(this); });

    const HelpMenus help = AddHelpMenus(this, QStringLiteral("&Check for Software Update"),
                                        QStringLiteral("&Make Money Online"));
    mnuOnline = help.mnuOnline;
    mnuVisit = help.mnuVisit;
    mnuUpdate = help.mnuUpdate;
    mnuAbout = help.mnuAbout;
    mnuDonate = help.mnuDonate;
    mnuMakeMoney = help.mnuMakeMoney;
}

void frmMain::SetTabOrder() {
    // txtName, the day, month and year lists, the sex options, the command,
    // then the links.
    QWidget* order[] = {txtName,   cboDate,    cboMonth, cboYear,    optSex[0],
                        optSex[1], cmdProceed, Label14,  lblCobrand, lblFullBrand};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmMain::LoadLists() {
    // Each list is filled in one call: item by item costs start-up time.
    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days.append(QString::number(day));
    QStringList months;
    for (const auto month : kMonthNames)
        months.append(QString::fromUtf8(month.data(), static_cast<qsizetype>(month.size())));
    QStringList years;
    for (int year = 1900; year <= 2050; ++year)
        years.append(QString::number(year));
    cboDate->clear();
    cboDate->addItems(days);
    cboMonth->addItems(months);
    cboYear->addItems(years);
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

void frmMain::BringCoBrandToFront(bool coBrand) {
    // Both offers cover the same rectangle; the one behind is also hidden so
    // that neither the keyboard nor a screen reader reaches it.
    LinkLabel* front = coBrand ? lblCobrand : lblFullBrand;
    LinkLabel* back = coBrand ? lblFullBrand : lblCobrand;
    if (front->isHidden()) {
        front->show();
        ShrinkFontToFit(front);
    }
    front->raise();
    back->hide();
}

bool frmMain::IsCoBrandInFront() const {
    return lblCobrand->isVisibleTo(fraFullBrand);
}

bool frmMain::ValidateBirthDetails() {
    if (txtName->text().isEmpty()) {
        ThePlatform().ShowMessage(this, QStringLiteral("Please Enter Your Name"),
                                  MessageIcon::Critical, MessageButtons::Ok);
        txtName->setFocus();
        return false;
    }
    if (!optSex[0]->isChecked() && !optSex[1]->isChecked()) {
        ThePlatform().ShowMessage(this, QStringLiteral("Please Specify Your Sex"),
                                  MessageIcon::Critical, MessageButtons::Ok);
        cmdProceed->setFocus();
        return false;
    }
    switch (CheckBirthDate(cboYear->currentText().toStdString(), cboMonth->currentIndex(),
                           cboDate->currentIndex())) {
    case BirthDateCheck::WrongFebruaryDay:
        ThePlatform().ShowMessage(this, QStringLiteral("Please Enter Correct Date Or Month!"),
                                  MessageIcon::Information, MessageButtons::Ok);
        return false;
    case BirthDateCheck::WrongThirtyFirst:
        ThePlatform().ShowMessage(this, QStringLiteral("Please Enter Correct Date Or Month !"),
                                  MessageIcon::Information, MessageButtons::Ok);
        return false;
    case BirthDateCheck::Valid:
        break;
    }
    return true;
}

void frmMain::cmdProceed_Click() {
    if (!ValidateBirthDetails())
        return;
    HandOffReading();
}

void frmMain::HandOffReading() {
    ReadingRecord& record = TheReadingRecord();
    BirthInputs inputs;
    inputs.nameText = txtName->text().toStdString();
    inputs.maleSelected = optSex[0]->isChecked();
    inputs.dayIndex = cboDate->currentIndex();
    inputs.dayText = cboDate->currentText().toStdString();
    inputs.monthText = cboMonth->currentText().toStdString();
    inputs.yearText = cboYear->currentText().toStdString();
    FillReadingRecord(record, inputs);

    // The readings write straight into the result window, which is created
    // hidden by this first use.
    auto& result = WindowRegistry::Instance().Use<frmLuckyCarResult>();
    FengShuiReading(record.intKuaNumber, record, result.FengShuiPanel());
    AstrologyReading(record, result.AstrologyPanel());
    result.ShowCentred();
    WindowRegistry::Unload(this);
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing while our own command hands over to the result window is not
    // leaving the program.
    if (!cmdProceedPressed_)
        TakeExitPath();
    event->accept();
    WindowRegistry::Instance().Forget(this);
}

} // namespace korvane
