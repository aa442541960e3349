#include "birth_details_window.h"

#include "about_window.h"
#include "birth_date_lists.h"
#include "birth_details.h"
#include "birth_details_check.h"
#include "catalogue.h"
#include "frame_group.h"
#include "help_menus.h"
#include "label_group.h"
#include "link_label.h"
#include "look.h"
#include "platform.h"
#include "shown_text.h"
#include "twips.h"
#include "web_links.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace korvane {
namespace {

// One of the three date lists. Screen readers on Linux name a list by its
// value and take its label from the group around it; the description says
// which part of the date it is. Elsewhere the name says both.
QComboBox* MakeList(QGroupBox* group, const QString& datePart) {
    auto* list = new QComboBox(group);
    list->setEditable(false);
    list->setAccessibleName(ShownText(TextId::SeparatorList).arg(group->title(), datePart));
    list->setAccessibleDescription(datePart);
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
    // The labels of the form may take the room to their left in a language
    // whose words are longer.
    for (QLabel* label : {Label1_0, Label2, Label5})
        GrowLeftToFit(label, Px(60));
    WidenInRowToFit({optSex[0], optSex[1]}, Px(135));
    // The wrapped texts are fitted once the window has been handed to the
    // window system and before its first paint (nothing is drawn until the
    // event loop runs again), so the bold fonts this needs do not hold the
    // window back.
    FitTexts(this);
}

void frmMain::BuildControls(QWidget* client) {
    BuildForumLink(client);
    BuildIntroduction(client);
    BuildDetailsFrame(client);
    BuildOffers(client);
}

void frmMain::BuildForumLink(QWidget* client) {
    Label14 = MakeLinkLabel(ShownText(TextId::PromoForum), client, TwipsRect(1215, 0, 4890, 450),
                            BoldCentredLink());
    Label14->setObjectName(QStringLiteral("Label14"));
    connect(Label14, &LinkLabel::activated, this, [] { OpenHomePage(); });
}

void frmMain::BuildIntroduction(QWidget* client) {
    Label1_1 = MakePlainLabel(ShownText(TextId::BirthIntro), client, TwipsRect(240, 600, 6855, 675),
                              ProgramFont(9, true));
    Label1_1->setObjectName(QStringLiteral("Label1_1"));
    Label1_1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1_1->setWordWrap(true);
    SetTextColour(Label1_1, Qt::white);
}

// The frame with the name, the birth date, the sex and the command.
void frmMain::BuildDetailsFrame(QWidget* client) {
    fraDetails = new FrameGroup(client);
    fraDetails->setObjectName(QStringLiteral("fraDetails"));
    fraDetails->setGeometry(TwipsRect(1238, 1440, 4845, 2055));
    fraDetails->setAccessibleName(ShownText(TextId::BirthDetails));
    SetOpaqueBackground(fraDetails, kProgramBlue);
    const QFont bold = ProgramFont(8.25, true);
    BuildName(bold);
    BuildBirthDay(bold);
    BuildSex(bold);
    BuildProceed(bold);
}

void frmMain::BuildName(const QFont& bold) {
    Label1_0 = MakePlainLabel(ShownText(TextId::BirthName), fraDetails,
                              TwipsRect(480, 323, 555, 195), bold);
    Label1_0->setObjectName(QStringLiteral("Label1_0"));
    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(TwipsRect(1290, 270, 3105, 300));
    txtName->setAccessibleName(ShownText(TextId::BirthName));
}

void frmMain::BuildBirthDay(const QFont& bold) {
    Label2 = MakePlainLabel(ShownText(TextId::BirthDate), fraDetails, TwipsRect(180, 810, 900, 195),
                            bold);
    Label2->setObjectName(QStringLiteral("Label2"));
    auto* birthDay = new LabelGroup(Label2->text(), fraDetails);
    birthDay->setObjectName(QStringLiteral("grpBirthDay"));
    birthDay->setGeometry(TwipsRect(1290, 720, 3105, 315));
    Label2->setBuddy(birthDay);
    cboDate = MakeList(birthDay, ShownText(TextId::BirthDayPart));
    cboDate->setObjectName(QStringLiteral("cboDate"));
    cboMonth = MakeList(birthDay, ShownText(TextId::BirthMonthPart));
    cboMonth->setObjectName(QStringLiteral("cboMonth"));
    cboYear = MakeList(birthDay, ShownText(TextId::BirthYearPart));
    cboYear->setObjectName(QStringLiteral("cboYear"));
    PlaceDateLists();
}

// The three lists side by side, 30 twips apart, in the order the program's
// language writes a date: day, month, year in English.
void frmMain::PlaceDateLists() {
    const auto order = Catalogues()[ShownCatalogue()].dateOrder;
    int left = 1290;
    for (const DatePart part : order) {
        QComboBox* list = DateList(part);
        const int width = part == DatePart::Day ? 645 : part == DatePart::Month ? 1305 : 1095;
        list->setGeometry(
            TwipsRect(left, 720, width, 315).translated(-list->parentWidget()->pos()));
        left += width + 30;
    }
}

QComboBox* frmMain::DateList(DatePart part) const {
    return part == DatePart::Day ? cboDate : part == DatePart::Month ? cboMonth : cboYear;
}

void frmMain::BuildSex(const QFont& bold) {
    Label5 = MakePlainLabel(ShownText(TextId::BirthSex), fraDetails, TwipsRect(630, 1260, 360, 195),
                            bold);
    Label5->setObjectName(QStringLiteral("Label5"));
    const QString sexCaptions[2] = {ShownText(TextId::BirthMale), ShownText(TextId::BirthFemale)};
    const QRect sexRects[2] = {TwipsRect(1320, 1260, 735, 225), TwipsRect(2190, 1260, 915, 225)};
    for (int i = 0; i < 2; ++i) {
        optSex[i] = new QRadioButton(sexCaptions[i], fraDetails);
        optSex[i]->setObjectName(QStringLiteral("optSex%1").arg(i));
        optSex[i]->setGeometry(sexRects[i]);
        optSex[i]->setAccessibleName(ShownText(TextId::BirthSexChoice).arg(sexCaptions[i]));
        SetOpaqueBackground(optSex[i], kProgramBlue);
    }
    optSex[0]->setChecked(true);
}

void frmMain::BuildProceed(const QFont& bold) {
    cmdProceed = new QPushButton(ShownText(TextId::BirthProceed), fraDetails);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setGeometry(TwipsRect(180, 1560, 4450, 375));
    cmdProceed->setFont(bold);
    cmdProceed->setAutoDefault(false);
    cmdProceed->setDefault(false);
    connect(cmdProceed, &QPushButton::clicked, this, [this] {
        QScopedValueRollback pressed(cmdProceedPressed_, true);
        cmdProceed_Click();
    });
}

// The two offers sharing one rectangle; the full-branding one in front.
void frmMain::BuildOffers(QWidget* client) {
    fraFullBrand = new FrameGroup(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setGeometry(TwipsRect(0, 3600, 7300, 900));
    fraFullBrand->setAccessibleName(ShownText(TextId::PromoOffers));
    SetOpaqueBackground(fraFullBrand, kProgramBlue);

    LinkLook offer = BoldCentredLink();
    offer.background = kProgramBlue;
    lblCobrand = MakeLinkLabel(ShownText(TextId::PromoCoBrand), fraFullBrand,
                               TwipsRect(60, 165, 7200, 700), offer);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    connect(lblCobrand, &LinkLabel::activated, this, [] { OpenCoBrandPage(); });

    lblFullBrand = MakeLinkLabel(ShownText(TextId::PromoFullBrand), fraFullBrand,
                                 TwipsRect(60, 165, 7200, 700), offer);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    connect(lblFullBrand, &LinkLabel::activated, this, [] { OpenFullBrandPage(); });
    BringCoBrandToFront(false);
}

void frmMain::BuildMenus() {
    QMenu* mnuFile = menuBar()->addMenu(ShownText(TextId::MenuFile));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    nuExit = mnuFile->addAction(ShownText(TextId::CommandExit));
    nuExit->setObjectName(QStringLiteral("nuExit"));
    connect(nuExit, &QAction::triggered, this, &QWidget::close);

    const HelpMenus help =
        AddHelpMenus(this, ShownText(TextId::MenuUpdate), ShownText(TextId::MenuMakeMoney));
    mnuOnline = help.mnuOnline;
    mnuVisit = help.mnuVisit;
    mnuUpdate = help.mnuUpdate;
    mnuAbout = help.mnuAbout;
    connect(mnuAbout, &QAction::triggered, this, [this] { ShowAboutWindow(this); });
    mnuDonate = help.mnuDonate;
    mnuMakeMoney = help.mnuMakeMoney;
}

void frmMain::SetTabOrder() {
    // txtName, the date lists as they stand, the sex options, the command,
    // then the links.
    const auto dates = Catalogues()[ShownCatalogue()].dateOrder;
    QWidget* order[] = {txtName,    DateList(dates[0]), DateList(dates[1]), DateList(dates[2]),
                        optSex[0],  optSex[1],          cmdProceed,         Label14,
                        lblCobrand, lblFullBrand};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmMain::LoadLists() {
    // Each list is filled in one call: item by item costs start-up time.
    QStringList days;
    for (int day = 0; day < kListedDayCount; ++day)
        days.append(QString::fromStdString(ListedDayText(day)));
    QStringList months;
    for (int month = 0; month < kListedMonthCount; ++month) {
        months.append(ShownText(kMonthTextIds[static_cast<std::size_t>(month)]));
    }
    QStringList years;
    for (int year = 0; year < kListedYearCount; ++year)
        years.append(QString::fromStdString(ListedYearText(year)));
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

bool frmMain::ValidateBirthDetails() {
    const auto problem = CheckBirthDetails(Details());
    if (!problem)
        return true;
    ThePlatform().ShowMessage(this, ShownText(problem->text),
                              problem->icon == ProblemIcon::Critical ? MessageIcon::Critical
                                                                     : MessageIcon::Information,
                              MessageButtons::Ok);
    if (problem->focus == ProblemFocus::Name)
        txtName->setFocus();
    else if (problem->focus == ProblemFocus::ProceedButton)
        cmdProceed->setFocus();
    return false;
}

void frmMain::cmdProceed_Click() {
    if (ValidateBirthDetails())
        emit readingRequested();
}

BirthDetails frmMain::Details() const {
    return {txtName->text().toStdString(), optSex[0]->isChecked(),   optSex[1]->isChecked(),
            cboDate->currentIndex(),       cboMonth->currentIndex(), cboYear->currentIndex()};
}

void frmMain::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

} // namespace korvane
