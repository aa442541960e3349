#include "exit_promotion_window.h"

#include "email_box_guard.h"
#include "frame_group.h"
#include "line_breaks.h"
#include "link_label.h"
#include "look.h"
#include "platform.h"
#include "program_icon.h"
#include "program_random.h"
#include "refer_a_friend.h"
#include "refer_request.h"
#include "shown_text.h"
#include "support_texts.h"
#include "twips.h"
#include "ui_texts.h"
#include "web_links.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

namespace korvane {
namespace {

const QColor kDarkBlue(0, 0, 128);
const QColor kLinkBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);

QGroupBox* MakeDarkFrame(const QString& caption, QWidget* parent, const QRect& rect) {
    auto* frame = new FrameGroup(caption, parent);
    frame->setFont(ProgramFont(8.25, true));
    SetOpaqueBackground(frame, kDarkBlue);
    SetTextColour(frame, Qt::white);
    frame->setGeometry(rect);
    return frame;
}

ReferPlaceholders ShownPlaceholders() {
    return ReferPlaceholdersIn(ShownUtf8);
}

QString PlaceholderOf(ReferField field) {
    return QString::fromUtf8(ShownPlaceholders()[field]);
}

// The refer-a-friend field a box holds, as the property the event filter
// reads.
constexpr char kReferFieldProperty[] = "referField";

} // namespace

frmNagScreen2::frmNagScreen2() {
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(kWindowCaptionText());
    setWindowIcon(ProgramIcon());
    MakeFixedWindow(this, false);
    setFont(ProgramFont());
    SetOpaqueBackground(this, Qt::white);
    setFixedSize(Px(11115), Px(4725));

    BuildHeader();
    BuildReferAFriend();
    BuildCatalogue();
    SetTabOrder();
    FitTexts(this);
    Load();
}

void frmNagScreen2::BuildHeader() {
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(TwipsRect(360, 217, 480, 480));
    Picture1->setPixmap(ProgramIconPicture(32, devicePixelRatioF()));
    Picture1->setAccessibleName(ShownText(TextId::ProgramIcon));

    Label1 = new QLabel(kWindowCaptionText(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont title = ProgramFont(18, false);
    Label1->setFont(title);
    Label1->setGeometry(TwipsRect(1080, 240, 5655, 435));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setFont(ProgramFont(8.25, true));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetOpaqueBackground(Label2, Qt::white);
    Label2->setText(SupportTexts().at(1));
    Label2->setGeometry(TwipsRect(120, 840, 6975, 1095));

    Check1 = new QPushButton(ShownText(TextId::ExitVisit), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setCheckable(true);
    Check1->setFont(ProgramFont(14, false));
    SetTextColour(Check1, kLinkBlue);
    Check1->setCursor(Qt::PointingHandCursor);
    Check1->setGeometry(TwipsRect(30, 2040, 7185, 555));
    Check1->setAutoDefault(true);
    connect(Check1, &QPushButton::clicked, this, [this] { Check1_Click(); });

    cmdClose = new QPushButton(ShownText(TextId::CommandExit), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(TwipsRect(6000, 2760, 1245, 375));
    // Enter on the focused button presses it, as in a dialog.
    cmdClose->setAutoDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::exitPressed);
}

QLineEdit* frmNagScreen2::MakeFormBox(ReferField field, const QRect& rect) {
    const QString placeholder = PlaceholderOf(field);
    auto* box = new QLineEdit(placeholder, Frame2);
    box->setProperty(kReferFieldProperty, static_cast<int>(field));
    box->setFont(ProgramFont());
    box->setAccessibleName(placeholder);
    box->setGeometry(rect);
    box->installEventFilter(this);
    return box;
}

void frmNagScreen2::BuildReferAFriend() {
    Frame2 =
        MakeDarkFrame(ShownText(TextId::ExitReferFrame), this, TwipsRect(120, 3240, 7065, 1455));
    Frame2->setObjectName(QStringLiteral("Frame2"));

    txtName = MakeFormBox(kReferName, TwipsRect(85, 360, 3375, 285));
    txtName->setObjectName(QStringLiteral("txtName"));
    txtEmail = MakeFormBox(kReferEmail, TwipsRect(3600, 360, 3375, 285));
    txtEmail->setObjectName(QStringLiteral("txtEmail"));
    txtFriendName = MakeFormBox(kReferFriendName, TwipsRect(85, 720, 3375, 285));
    txtFriendName->setObjectName(QStringLiteral("txtFriendName"));
    txtFriendEmail = MakeFormBox(kReferFriendEmail, TwipsRect(3600, 720, 3375, 285));
    txtFriendEmail->setObjectName(QStringLiteral("txtFriendEmail"));
    for (QLineEdit* box : {txtEmail, txtFriendEmail}) {
        // Shown once the edit that brought the space in is over, not in the
        // middle of a paste or a drop.
        connect(
            new EmailBoxGuard(box), &EmailBoxGuard::refused, this,
            [this, box] { RefuseSpace(box); }, Qt::QueuedConnection);
    }

    cmdSubmit = new QPushButton(ShownText(TextId::ExitReferNow), Frame2);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setFont(ProgramFont(8.25, false));
    SetTextColour(cmdSubmit, Qt::black);
    cmdSubmit->setGeometry(TwipsRect(1920, 1080, 3375, 285));
    cmdSubmit->setAutoDefault(true);
    connect(cmdSubmit, &QPushButton::clicked, this, [this] { cmdSubmit_Click(); });

    // Lies below the frame's edge, so it is never seen.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setProperty(kReferFieldProperty, static_cast<int>(kReferMessage));
    txtMessage->setFont(ProgramFont());
    // Its first text is the engine's, the placeholder and a line break;
    // MessageText() gives the line break back as CR LF.
    txtMessage->setPlainText(WithLineFeeds(QString::fromUtf8(kReferMessageFirstText)));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setAccessibleName(PlaceholderOf(kReferMessage));
    NameScrollingParts(txtMessage);
    txtMessage->setGeometry(TwipsRect(4800, 3600, 1815, 495));
    txtMessage->installEventFilter(this);
    SetTextColour(txtMessage, Qt::black);
    for (QLineEdit* box : {txtName, txtEmail, txtFriendName, txtFriendEmail})
        SetTextColour(box, Qt::black);
}

void frmNagScreen2::BuildCatalogue() {
    Frame6 =
        MakeDarkFrame(ShownText(TextId::ExitDownloadFrame), this, TwipsRect(7320, 120, 3735, 4575));
    Frame6->setObjectName(QStringLiteral("Frame6"));

    Label3 = new QLabel(Frame6);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setTextFormat(Qt::PlainText);
    Label3->setFont(ProgramFont(8.25, false));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setText(CatalogueText());
    Label3->setGeometry(TwipsRect(120, 360, 3495, 3855));

    lblGoToHome =
        MakeLinkLabel(ShownText(TextId::ExitVisitSoftwares), Frame6, TwipsRect(75, 4250, 3585, 210),
                      {.font = ProgramFont(8.25, true), .colour = kYellow});
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    connect(lblGoToHome, &LinkLabel::activated, this, [] { OpenSoftwaresPage(); });
}

void frmNagScreen2::SetTabOrder() {
    QWidget* order[] = {cmdClose,       Check1,        txtName,    cmdSubmit,  txtEmail,
                        txtFriendEmail, txtFriendName, txtMessage, lblGoToHome};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    cmdClose->setFocus();
}

void frmNagScreen2::Load() {
    ProgramRandom& random = TheProgramRandom();
    random.SeedFromClock();
    Label2->setFont(ProgramFont(8.25, true));
    Label2->setText(SupportTexts().value(SupportTextIndex(random.NextSingle())));
    ShrinkFontToFit(Label2);
    ThePlatform().KeepOnTop(this);
}

void frmNagScreen2::ShowCentred() {
    CentreOnScreen(this);
    show();
    raise();
}

QString frmNagScreen2::MessageText() const {
    QString text = txtMessage->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void frmNagScreen2::Check1_Click() {
    // Works as a link: every click opens the page once and the box never
    // stays checked.
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    OpenHomePage();
}

void frmNagScreen2::cmdSubmit_Click() {
    const ReferAFriendForm form{txtName->text(), txtEmail->text(), MessageText(),
                                txtFriendName->text(), txtFriendEmail->text()};
    const auto problem = SubmitReferAFriend(form);
    if (!problem)
        return;
    ThePlatform().ShowMessage(this, problem->message, MessageIcon::Critical, MessageButtons::Ok);
    // The box the message is about takes the focus, ready to be mended.
    const std::array<QWidget*, kReferFieldCount> boxes = {txtName, txtEmail, txtMessage,
                                                          txtFriendName, txtFriendEmail};
    boxes[problem->field]->setFocus();
}

void frmNagScreen2::RefuseSpace(QLineEdit* box) {
    ThePlatform().ShowMessage(this, ShownText(TextId::MessageEmailSpace), MessageIcon::Critical,
                              MessageButtons::Ok);
    box->setFocus();
}

bool frmNagScreen2::eventFilter(QObject* watched, QEvent* event) {
    const QVariant fieldProperty = watched->property(kReferFieldProperty);
    if (!fieldProperty.isValid())
        return QWidget::eventFilter(watched, event);
    const auto field = static_cast<ReferField>(fieldProperty.toInt());

    auto* line = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress && (line == txtEmail || line == txtFriendEmail)) {
        // The space bar counts with any modifier, whatever text it would type.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->key() == Qt::Key_Space ? QStringLiteral(" ") : key->text();
        if (EmailBoxRefusal(typed.toStdString())) {
            RefuseSpace(line);
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const std::string text = (line ? line->text() : MessageText()).toStdString();
        const auto replacement = event->type() == QEvent::FocusIn
                                     ? ReferBoxTextOnFocusIn(field, text, ShownPlaceholders())
                                     : ReferBoxTextOnFocusOut(field, text, ShownPlaceholders());
        if (replacement) {
            const QString shown = QString::fromUtf8(*replacement);
            if (line)
                line->setText(shown);
            else
                txtMessage->setPlainText(shown);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}

} // namespace korvane
