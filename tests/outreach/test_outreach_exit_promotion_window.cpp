#include "exit_promotion_window.h"
#include "link_label.h"
#include "support_texts.h"
#include "table_rows.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

using namespace korvane;

namespace {

const QString kHomePage = QStringLiteral("https://www.quillory.example/");
const QString kSoftwaresPage = QStringLiteral("https://www.quillory.example/softwares.html");
const QString kNoSpace = QStringLiteral("Email Address Cannot Contain Space");
// The form's boxes in the order of the tables below.
const char* const kFormBoxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};

frmNagScreen2& Window() {
    return Use<frmNagScreen2>();
}

// Shows the window as the program does and makes it the active one, so that
// focus changes deliver their events.
bool ShowActive(frmNagScreen2& window) {
    window.ShowCentred();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return false;
    QCoreApplication::processEvents();
    return true;
}

// Gives the box the focus and types into it as the user would.
void Type(QLineEdit* box, const QString& text) {
    box->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClicks(box, text);
}

// Brings text into a box at its caret the way the row names.
void Arrive(QLineEdit* box, const QString& way, const QString& text) {
    const QPoint caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (way == "key") {
        QTest::keyClick(box, Qt::Key_Space);
    } else if (way == "paste") {
        clipboard->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else if (way == "middle click") {
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, caret);
    } else if (way == "drop") {
        QMimeData data;
        data.setText(text);
        QDropEvent drop(caret, Qt::CopyAction, &data, Qt::LeftButton, {});
        // Straight to the box: the application routes a drop only to where a
        // drag has entered.
        static_cast<QObject*>(box)->event(&drop);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(box, &commit);
    }
}

} // namespace

class TestOutreachExitPromotionWindow : public WindowTest {
    Q_OBJECT
private slots:
    void sizeAndKeptOnTop() {
        frmNagScreen2& window = Window();
        QCOMPARE(window.size(), QSize(741, 315));
        QCOMPARE(bed->platform.keptOnTop, QList<QWidget*>{&window});

        QVERIFY(ShowActive(window));
        QCOMPARE(window.size(), QSize(741, 315));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(bed->endRequests, 0);
    }

    void loadsOncePerCreation() {
        const QStringList texts = SupportTexts();
        QCOMPARE(texts.size(), 4);
        QSet<QString> shown;
        for (int creation = 1; creation <= 40; ++creation) {
            frmNagScreen2& window = Window();
            QVERIFY2(texts.contains(Control<QLabel>(window, "Label2")->text()),
                     qPrintable(Control<QLabel>(window, "Label2")->text()));
            shown.insert(Control<QLabel>(window, "Label2")->text());
            // Using the loaded window again does not load it again.
            QCOMPARE(&Window(), &window);
            QCOMPARE(bed->platform.keptOnTop.size(), creation);
            WindowRegistry::Instance().DestroyAll();
        }
        // Each load draws one of the texts afresh.
        QVERIFY2(shown.size() > 1, "forty windows all showed the same text");
    }

    void hideRequestLoads() {
        Window().hide();
        frmNagScreen2* window = Find<frmNagScreen2>();
        QVERIFY(window);
        QVERIFY(!window->isVisible());
        QCOMPARE(bed->endRequests, 0);
    }

    void focusStartsAtExitAndFollowsForm() {
        frmNagScreen2& window = Window();
        QVERIFY(ShowActive(window));
        QCOMPARE(QApplication::focusWidget(), Control<QPushButton>(window, "cmdClose"));

        const QList<QWidget*> chain = {Control<QPushButton>(window, "Check1"),
                                       Control<QLineEdit>(window, "txtName"),
                                       Control<QPushButton>(window, "cmdSubmit"),
                                       Control<QLineEdit>(window, "txtEmail"),
                                       Control<QLineEdit>(window, "txtFriendEmail"),
                                       Control<QLineEdit>(window, "txtFriendName"),
                                       Control<QPlainTextEdit>(window, "txtMessage")};
        for (QWidget* next : chain) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QCOMPARE(bed->endRequests, 0);
        QVERIFY(bed->platform.messages.isEmpty());
    }

    void endsProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter on the first focus") << "enter";
        QTest::newRow("Exit clicked") << "click";
        QTest::newRow("window closed") << "close";
    }

    void endsProgram() {
        QFETCH(QString, how);
        frmNagScreen2& window = Window();
        QVERIFY(ShowActive(window));

        // The first focus is Exit (focusStartsAtExitAndFollowsForm's).
        if (how == "enter")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else if (how == "click")
            QTest::mouseClick(Control<QPushButton>(window, "cmdClose"), Qt::LeftButton);
        else
            window.close();
        Settle();

        QCOMPARE(bed->endRequests, 1);
        QVERIFY(!Find<frmNagScreen2>());
        QVERIFY(VisibleWindowNames().isEmpty());
        QVERIFY(bed->platform.openedAddresses.isEmpty());
    }

    // Visit Us Online is a button that works as a link, never staying down.
    void linksOpenTheirPages() {
        frmNagScreen2& window = Window();
        QVERIFY(ShowActive(window));
        auto* visit = Control<QPushButton>(window, "Check1");
        for (int press = 0; press < 2; ++press) {
            QTest::mouseClick(visit, Qt::LeftButton);
            QVERIFY(!visit->isChecked());
        }
        QTest::mouseClick(Control<LinkLabel>(window, "lblGoToHome"), Qt::LeftButton);
        QCOMPARE(bed->platform.openedAddresses,
                 (QStringList{kHomePage, kHomePage, kSoftwaresPage}));
        QCOMPARE(bed->endRequests, 0);
    }

    void boxesShowPlaceholders_data() {
        Columns<QString, QString>("box", "placeholder");
        Row("name", "txtName", "Your Name");
        Row("e-mail", "txtEmail", "Your Email Address");
        Row("friend's name", "txtFriendName", "Friend's Name");
        Row("friend's e-mail", "txtFriendEmail", "Friend's Email Address");
    }

    void boxesShowPlaceholders() {
        const auto [box, placeholder] = Fetch<QString, QString>("box", "placeholder");
        frmNagScreen2& window = Window();
        QVERIFY(ShowActive(window));
        QLineEdit* line = Control<QLineEdit>(window, box);
        QCOMPARE(line->text(), placeholder);

        const auto focusIn = [&] {
            line->setFocus(Qt::OtherFocusReason);
            QCoreApplication::processEvents();
            QVERIFY(line->hasFocus());
        };
        const auto focusOut = [&] {
            Control<QPushButton>(window, "cmdClose")->setFocus(Qt::OtherFocusReason);
            QCoreApplication::processEvents();
            QVERIFY(!line->hasFocus());
        };

        // Entering a box that shows its placeholder empties it; left empty,
        // it shows the placeholder again; other text stays as it is. (Which
        // texts count as the placeholder is test_refer_request's table.)
        for (const QString& text : {placeholder, QStringLiteral(" ann ")}) {
            line->setText(text);
            focusIn();
            QCOMPARE(line->text(), text == placeholder ? QString() : text);
            focusOut();
            QCOMPARE(line->text(), text);
        }
        QVERIFY(bed->platform.messages.isEmpty());
    }

    // However text comes into a box, the e-mail boxes refuse a space of any
    // width: the text and the caret stay as they were, the message says why
    // and the box keeps the focus; the name boxes take spaces.
    void spacesHoweverTheyCome_data() {
        // after: the box's text then, "ab" when refused
        Columns<QString, QString, QString, QString>("way", "box", "arriving", "after");
        Row("space key, e-mail", "key", "txtEmail", " ", "ab");
        Row("space key, name", "key", "txtName", " ", "a b");
        Row("Ctrl+V, e-mail", "paste", "txtEmail", "x y", "ab");
        Row("Ctrl+V without space", "paste", "txtFriendEmail", "x", "axb");
        Row("drop, friend's e-mail", "drop", "txtFriendEmail", QStringLiteral("x\u2009"), "ab");
        Row("input method, e-mail", "input method", "txtEmail", QStringLiteral("\u3000"), "ab");
        // X11 pastes the selection on a middle click; the offscreen platform has none.
        if (QGuiApplication::clipboard()->supportsSelection() ||
            qEnvironmentVariableIsSet("KORVANE_REQUIRE_SELECTION"))
            Row("middle click, e-mail", "middle click", "txtEmail", QStringLiteral("\u00a0"), "ab");
    }

    void spacesHoweverTheyCome() {
        const auto [way, box, arriving, after] =
            Fetch<QString, QString, QString, QString>("way", "box", "arriving", "after");
        frmNagScreen2& window = Window();
        QVERIFY(ShowActive(window));
        QLineEdit* line = Control<QLineEdit>(window, box);
        // Into the box (its placeholder gone), then text set as the program
        // sets it, which the check takes as it is.
        Type(line, QString());
        line->setText(QStringLiteral("ab"));
        line->setCursorPosition(1);

        Arrive(line, way, arriving);
        Settle();

        QCOMPARE(line->text(), after);
        QCOMPARE(QApplication::focusWidget(), line);
        if (after != "ab") {
            QVERIFY(bed->platform.messages.isEmpty());
            return;
        }
        QCOMPARE(bed->platform.messages,
                 (QList<RecordingPlatform::Message>{
                     {&window, kNoSpace, MessageIcon::Critical, MessageButtons::Ok}}));
        // Typing goes on where it was.
        QTest::keyClick(line, Qt::Key_C);
        QCOMPARE(line->text(), QStringLiteral("acb"));
    }

    void submitRefused_data() {
        // typed: name, e-mail, friend's name, friend's e-mail; box: the box the message is about,
        // which gets the focus
        Columns<QStringList, QString, QString>("typed", "problem", "box");
        const auto row = [](const char* tag, const QStringList& typed, const char* problem,
                            const char* box) { QTest::newRow(tag) << typed << problem << box; };
        row("untouched form",
            {"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"},
            "Please Enter Proper Email Address", "txtEmail");
        row("same e-mails once trimmed", {"Ann", " ann@mail.example ", "Bob", "ann@mail.example"},
            "Please Enter Distinct Email Addresses", "txtFriendEmail");
        row("name left at placeholder",
            {"Your Name", "ann@mail.example", "Bob", "bob@mail.example"}, "Please Enter Your Name",
            "txtName");
        row("friend's name left at placeholder",
            {"Ann", "ann@mail.example", "Friend's Name", "bob@mail.example"},
            "Please Enter Your Friend's Name", "txtFriendName");
        // Set by the program, past the boxes' own check.
        row("a space the boxes did not see",
            {"Ann", "ann@mail.example", "Bob", QStringLiteral("bob\u3000@mail.example")},
            "Email Address Cannot Contain Space", "txtFriendEmail");
    }

    void submitRefused() {
        const auto [typed, problem, box] =
            Fetch<QStringList, QString, QString>("typed", "problem", "box");
        frmNagScreen2& window = Window();
        QVERIFY(ShowActive(window));
        for (int i = 0; i < 4; ++i)
            Control<QLineEdit>(window, kFormBoxes[i])->setText(typed[i]);

        QTest::mouseClick(Control<QPushButton>(window, "cmdSubmit"), Qt::LeftButton);

        QCOMPARE(bed->platform.messages,
                 (QList<RecordingPlatform::Message>{
                     {&window, problem, MessageIcon::Critical, MessageButtons::Ok}}));
        QCOMPARE(QApplication::focusWidget(), Control<QLineEdit>(window, box));
        QVERIFY(bed->platform.openedAddresses.isEmpty());
        QCOMPARE(bed->endRequests, 0);
    }

    // The boxes' texts go to the engine as UTF-8 and the request to the
    // desktop: the name trimmed of spaces only, the hidden message box as it
    // stands, its line break as CR LF. The form and the window stay, and each
    // press sends again.
    void submitSendsRequest_data() {
        Columns<QString, QString>("name", "sent");
        QTest::newRow("outer spaces go") << QString("  Ann Lee ") << "Ann%20Lee";
        QTest::newRow("non-ASCII as UTF-8")
            << QStringLiteral(" Ren\u00e9e \u65e5\u672c ") << "Ren%C3%A9e%20%E6%97%A5%E6%9C%AC";
        QTest::newRow("a no-break space is no blank") << QStringLiteral("\u00a0Ann") << "%C2%A0Ann";
    }

    void submitSendsRequest() {
        const auto [name, sent] = Fetch<QString, QString>("name", "sent");
        frmNagScreen2& window = Window();
        QVERIFY(ShowActive(window));
        const QStringList typed = {name, "ann@mail.example", "Bob", "bob@mail.example"};
        for (int i = 0; i < 4; ++i) {
            Type(Control<QLineEdit>(window, kFormBoxes[i]), QString());
            Control<QLineEdit>(window, kFormBoxes[i])->insert(typed[i]);
        }

        QTest::mouseClick(Control<QPushButton>(window, "cmdSubmit"), Qt::LeftButton);

        QVERIFY(bed->platform.messages.isEmpty());
        const QString request = "https://www.quillory.example/tell-a-friend.html?taf1=" + sent +
                                "&taf2=ann%40mail.example&taf3=Your%20Message%0D%0A&taf4=Bob"
                                "&taf5=bob%40mail.example&taf6=https://www.korvane.example/";
        QCOMPARE(bed->platform.openedAddresses, QStringList{request});
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Control<QLineEdit>(window, kFormBoxes[i])->text(), typed[i]);
        QCOMPARE(Control<QPlainTextEdit>(window, "txtMessage")->toPlainText(),
                 QStringLiteral("Your Message\n"));
        QCOMPARE(Find<frmNagScreen2>(), &window);
        QVERIFY(window.isVisible());
        QCOMPARE(bed->endRequests, 0);
        QTest::mouseClick(Control<QPushButton>(window, "cmdSubmit"), Qt::LeftButton);
        QCOMPARE(bed->platform.openedAddresses, (QStringList{request, request}));
    }
};

QTEST_MAIN(TestOutreachExitPromotionWindow)
#include "test_outreach_exit_promotion_window.moc"
