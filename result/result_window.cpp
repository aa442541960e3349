#include "result_window.h"

#include "catalogue.h"
#include "elements_panel.h"
#include "frame_group.h"
#include "help_menus.h"
#include "link_label.h"
#include "look.h"
#include "panel_controls.h"
#include "panel_writers.h"
#include "reading_lines.h"
#include "reading_saver.h"
#include "shown_text.h"
#include "sun_sign_text_box.h"
#include "text_utils.h"
#include "twips.h"
#include "value_label.h"
#include "web_links.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>
#include <array>

namespace korvane {
namespace {

constexpr int kAstrologyTab = 0;
constexpr int kTabCount = 3;

LinkLabel* MakeOffer(const QString& text, QWidget* parent) {
    LinkLook offer = BoldCentredLink();
    offer.colour = Qt::black;
    offer.background = kProgramBlue;
    return MakeLinkLabel(text, parent, TwipsRect(120, 165, 6345, 615), offer);
}

} // namespace

frmLuckyCarResult::frmLuckyCarResult() {
    QWidget* client = SetUpMainWindow(this, QStringLiteral("frmLuckyCarResult"), 7815, 6270, true);
    BuildWindowControls(client);
    BuildMenus();
    BuildTabShortcuts();
    FitTexts(this);

    // Load handling: the astrology panel is in front.
    panels->setCurrentIndex(kAstrologyTab);
    cmdBack->setFocus();
}

frmLuckyCarResult::~frmLuckyCarResult() = default;

void frmLuckyCarResult::BuildWindowControls(QWidget* client) {
    BuildForumLink(client);
    BuildReadingTabs(client);
    BuildOffers(client);
    BuildCommands(client);
    SetTabOrder();
}

void frmLuckyCarResult::BuildForumLink(QWidget* client) {
    const std::string_view forum = WithoutFinalFullStop(Text(TextId::PromoForum, ShownCatalogue()));
    Label14 = MakeLinkLabel(QString::fromUtf8(forum.data(), static_cast<qsizetype>(forum.size())),
                            client, TwipsRect(1387, 0, 5040, 450), BoldCentredLink());
    Label14->setObjectName(QStringLiteral("Label14"));
    connect(Label14, &LinkLabel::activated, this, [] { OpenHomePage(); });
}

// The three tabs and, under them, one panel per reading.
void frmLuckyCarResult::BuildReadingTabs(QWidget* client) {
    TS = new QTabBar(client);
    TS->setObjectName(QStringLiteral("TS"));
    TS->addTab(ShownText(TextId::ResultAstrology));
    TS->addTab(ShownText(TextId::ResultFengShui));
    TS->addTab(ShownText(TextId::ResultElements));
    TS->setExpanding(false);
    // All three tabs always fit, in every language (the layout test measures them).
    TS->setUsesScrollButtons(false);
    TS->setDrawBase(true);
    TS->setGeometry(TwipsRect(0, 480, 7815, 350));
    TS->setAccessibleName(ShownText(TextId::ResultTabs));
    connect(TS, &QTabBar::currentChanged, this, [this] { TS_Click(); });

    panels = new QStackedWidget(client);
    panels->setObjectName(QStringLiteral("panels"));
    panels->setGeometry(TwipsRect(0, 825, 7815, 4575));
    panels->setAccessibleName(ShownText(TextId::ResultReading));
    for (int i = 0; i < kTabCount; ++i) {
        fraResult[i] = new QWidget;
        fraResult[i]->setObjectName(QStringLiteral("fraResult%1").arg(i));
        SetOpaqueBackground(fraResult[i], kProgramBlue);
        panels->addWidget(fraResult[i]);
    }
    fraResult[0]->setAccessibleName(ShownText(TextId::ResultAstrology));
    fraResult[1]->setAccessibleName(ShownText(TextId::ResultFengShui));
    fraResult[2]->setAccessibleName(ShownText(TextId::ResultElements));
    BuildAstrologyPanel(fraResult[0]);
    BuildFengShuiPanel(fraResult[1]);
    BuildElementsPanel(fraResult[2]);
}

void frmLuckyCarResult::BuildOffers(QWidget* client) {
    fraFullBrand = new FrameGroup(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setGeometry(TwipsRect(0, 5400, 6600, 855));
    fraFullBrand->setAccessibleName(ShownText(TextId::PromoOffers));
    SetOpaqueBackground(fraFullBrand, kProgramBlue);
    lblFullBrand = MakeOffer(ShownText(TextId::PromoFullBrand), fraFullBrand);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    connect(lblFullBrand, &LinkLabel::activated, this, [] { OpenFullBrandPage(); });
    lblCobrand = MakeOffer(ShownText(TextId::PromoCoBrand), fraFullBrand);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    connect(lblCobrand, &LinkLabel::activated, this, [] { OpenCoBrandPage(); });
    // The co-branding offer covers the full-branding one for good.
    lblCobrand->raise();
    lblFullBrand->hide();
}

void frmLuckyCarResult::BuildCommands(QWidget* client) {
    cmdBack = new QPushButton(ShownText(TextId::CommandBack), client);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setGeometry(TwipsRect(6690, 5655, 1005, 345));
    cmdBack->setAutoDefault(false);
    connect(cmdBack, &QPushButton::clicked, this, [this] {
        QScopedValueRollback pressed(cmdBackPressed_, true);
        cmdBack_Click();
    });

    // Lies below the client area: never seen, never reached.
    cmdPrint = new QPushButton(ShownText(TextId::CommandSave), client);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setFont(ProgramFont(8.25, true));
    cmdPrint->setGeometry(TwipsRect(6720, 7800, 1005, 345));
    cmdPrint->setFocusPolicy(Qt::NoFocus);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
}

void frmLuckyCarResult::SetTabOrder() {
    setTabOrder(cmdBack, TS);
    setTabOrder(TS, txtSunSign_Desc);
    setTabOrder(txtSunSign_Desc, Label14);
    setTabOrder(Label14, lblCobrand);
}

void frmLuckyCarResult::BuildAstrologyPanel(QWidget* panel) {
    const QString carColourCaption = ShownText(TextId::ResultCarColor);
    const QString designColour = ShownText(TextId::ColourTurquoise);
    lblCaption[2] = MakeCaption(carColourCaption, panel, 120, 240, 1560);
    auto* carColour =
        MakeValue(designColour, carColourCaption, panel, TwipsRect(1560, 165, 1605, 345));
    carColour->setFont(ProgramFont(14.25, true));
    lblColorCode[0] = new Swatch(carColourCaption, panel);
    lblColorCode[0]->setGeometry(TwipsRect(3360, 165, 350, 350));

    // The paragraph about the car colour.
    QLabel* description = new QLabel(panel);
    description->setTextFormat(Qt::PlainText);
    description->setText(ShownText(TextId::ResultDesignDescription));
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColour(description, Qt::white);
    description->setGeometry(TwipsRect(120, 510, 7545, 1215));

    lblCaption[3] = MakeCaption(ShownText(TextId::ResultKuaNumber), panel, 120, 1815, 2160);
    auto* kuaNumber = MakeValue(QStringLiteral("Label1"), lblCaption[3]->text(), panel,
                                TwipsRect(2160, 1815, 555, 195));
    lblCaption[1] = MakeCaption(ShownText(TextId::ResultRulingPlanet), panel, 120, 2085, 2160);
    auto* rulingPlanet = MakeValue(QStringLiteral("Label1"), lblCaption[1]->text(), panel,
                                   TwipsRect(2160, 2085, 555, 195));
    lblCaption[0] = MakeCaption(ShownText(TextId::ResultSunSign), panel, 120, 2370, 2160);
    auto* sunSign = MakeValue(QStringLiteral("Label1"), lblCaption[0]->text(), panel,
                              TwipsRect(2160, 2370, 555, 195));

    const std::array<QLabel*, 5> results = {carColour, description, kuaNumber, rulingPlanet,
                                            sunSign};
    for (int i = 0; i < 5; ++i) {
        lblLuckyCar_Result[i] = results[i];
        lblLuckyCar_Result[i]->setObjectName(QStringLiteral("lblLuckyCar_Result%1").arg(i));
    }
    for (int i = 0; i < 4; ++i)
        lblCaption[i]->setObjectName(QStringLiteral("lblCaption%1").arg(i));
    lblColorCode[0]->setObjectName(QStringLiteral("lblColorCode0"));

    txtSunSign_Desc = new SunSignTextBox(panel);
    txtSunSign_Desc->setObjectName(QStringLiteral("txtSunSign_Desc"));
    txtSunSign_Desc->setAccessibleName(ShownText(TextId::ResultSignText));
    NameScrollingParts(txtSunSign_Desc);
    txtSunSign_Desc->setGeometry(TwipsRect(120, 2640, 7545, 1815));

    astrologyControls_ = {carColour, description,     kuaNumber,      rulingPlanet,
                          sunSign,   txtSunSign_Desc, lblColorCode[0]};
}

void frmLuckyCarResult::BuildFengShuiPanel(QWidget* panel) {
    struct Row {
        int caption;
        TextId heading;
        int headingTop;
        ValueLabel** value;
        TextId designText;
        int valueWidth;
        TextId purpose;
        int swatchTop;
    };
    const Row rows[] = {
        {4, TextId::ResultForSuccess, 315, &lblColourToWearSuccess, TextId::ResultSuccess, 690,
         TextId::ResultLuckySuccess, 240},
        {5, TextId::ResultForHealth, 795, &lblColourToWearHealth, TextId::ResultHealth, 540,
         TextId::ResultLuckyHealth, 720},
        {6, TextId::ResultForRelationships, 1275, &lblColourToWearRelationships,
         TextId::ResultRelationships, 1125, TextId::ResultLuckyRelationships, 1200},
        {7, TextId::ResultForPersonal, 1755, &lblColourToWearPersonal, TextId::ResultPersonal, 735,
         TextId::ResultLuckyPersonal, 1680},
    };
    for (int i = 0; i < 4; ++i) {
        const Row& row = rows[i];
        lblCaption[row.caption] =
            MakeCaption(ShownText(row.heading), panel, 240, row.headingTop, 5160);
        *row.value = MakeValue(ShownText(row.designText), ShownText(row.purpose), panel,
                               TwipsRect(5160, row.headingTop, row.valueWidth, 195));
        lblColorCode[i + 1] = new Swatch(ShownText(row.purpose), panel);
        lblColorCode[i + 1]->setGeometry(TwipsRect(7080, row.swatchTop, 345, 345));
        lblCaption[row.caption]->setObjectName(QStringLiteral("lblCaption%1").arg(row.caption));
        lblColorCode[i + 1]->setObjectName(QStringLiteral("lblColorCode%1").arg(i + 1));
    }
    lblColourToWearSuccess->setObjectName(QStringLiteral("lblColourToWearSuccess"));
    lblColourToWearHealth->setObjectName(QStringLiteral("lblColourToWearHealth"));
    lblColourToWearRelationships->setObjectName(QStringLiteral("lblColourToWearRelationships"));
    lblColourToWearPersonal->setObjectName(QStringLiteral("lblColourToWearPersonal"));

    // Under the colours: the year the reading counts from, and what only
    // some readings say (a Kua number of 5, a birth on the day of Li Chun).
    const auto lines = MakeReadingLines(panel, TwipsRect(240, 2280, 7335, 2175), 3);
    lines[0]->setObjectName(QStringLiteral("lblFengShuiYear"));
    lines[1]->setObjectName(QStringLiteral("lblKuaFive"));
    lines[2]->setObjectName(QStringLiteral("lblFengShuiLiChunDay"));
    fengShuiControls_ = {{lblColourToWearSuccess, lblColourToWearHealth,
                          lblColourToWearRelationships, lblColourToWearPersonal},
                         {lblColorCode[1], lblColorCode[2], lblColorCode[3], lblColorCode[4]},
                         lines[0],
                         lines[1],
                         lines[2]};
}

void frmLuckyCarResult::BuildElementsPanel(QWidget* panel) {
    elementsPanel_ = std::make_unique<ElementsPanel>(panel);
}

void frmLuckyCarResult::BuildMenus() {
    QMenu* mnuFile = menuBar()->addMenu(ShownText(TextId::MenuFile));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint = mnuFile->addAction(ShownText(TextId::CommandSave));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrint->setShortcut(QKeySequence::Save);
    // There is something to save once a reading is shown.
    mnuPrint->setEnabled(false);
    connect(mnuPrint, &QAction::triggered, this, [this] { cmdPrint_Click(); });
    mnuBack = mnuFile->addAction(ShownText(TextId::CommandBack));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
    connect(mnuBack, &QAction::triggered, this, [this] { cmdBack_Click(); });
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(ShownText(TextId::CommandExit));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);

    const HelpMenus help = AddHelpMenus(this, ShownText(TextId::MenuUpdateResult),
                                        ShownText(TextId::MenuMakeMoneyResult));
    mnuOnline = help.mnuOnline;
    mnuVisit = help.mnuVisit;
    mnuUpdate = help.mnuUpdate;
    mnuAbout = help.mnuAbout;
    connect(mnuAbout, &QAction::triggered, this, &frmLuckyCarResult::aboutRequested);
    mnuDonate = help.mnuDonate;
    mnuMakeMoney = help.mnuMakeMoney;
}

void frmLuckyCarResult::BuildTabShortcuts() {
    // Forward and back through the tabs, round at either end.
    const std::pair<QKeySequence, int> moves[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), kTabCount - 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), kTabCount - 1},
    };
    for (const auto& move : moves) {
        const int step = move.second;
        auto* shortcut = new QShortcut(move.first, this);
        connect(shortcut, &QShortcut::activated, this,
                [this, step] { TS->setCurrentIndex((TS->currentIndex() + step) % kTabCount); });
    }
}

void frmLuckyCarResult::ShowReading(const Reading& reading) {
    reading_ = reading;
    mnuPrint->setEnabled(true);
    ShowFengShui(reading, fengShuiControls_);
    ShowAstrology(reading, astrologyControls_);
    elementsPanel_->Show(reading);
}

void frmLuckyCarResult::ShowCentred() {
    ShowMainWindowCentred(this);
}

void frmLuckyCarResult::TS_Click() {
    panels->setCurrentIndex(TS->currentIndex());
}

void frmLuckyCarResult::cmdBack_Click() {
    emit backRequested();
}

void frmLuckyCarResult::cmdPrint_Click() {
    if (reading_)
        SaveReading(this, *reading_);
}

void frmLuckyCarResult::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}

} // namespace korvane
