#include "about_window.h"
#include "birth_details_window.h"
#include "colour_catalogue.h"
#include "exit_promotion_window.h"
#include "link_label.h"
#include "look.h"
#include "result_window.h"
#include "support_texts.h"
#include "value_label.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace korvane;

namespace {

// Every label of a window shows its whole text inside its own rectangle,
// and that rectangle lies inside its parent.
void VerifyNoLabelIsCut(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QByteArray what =
            window->objectName().toUtf8() + ": " + label->text().left(40).toUtf8();
        QVERIFY2(TextFits(label), what);
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), what);
    }
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // First, while no paint of this process has started Qt's worker threads.
    void drawingTheBirthDetailsWindowStartsNoThreads();
    void birthDetailsTextsFit();
    void resultTextsFitForEveryReading();
    void exitWindowTextsFitForEverySupportText();
    void aboutWindowLayoutAndTexts();
    void aboutWindowClosesWithEnterEscapeAndOk_data();
    void aboutWindowClosesWithEnterEscapeAndOk();
    void aboutLinksKeepItOpen();

private:
    std::unique_ptr<WindowTestBed> bed;
};

void TestLayout::init() {
    bed = std::make_unique<WindowTestBed>();
}

void TestLayout::cleanup() {
    bed.reset();
}

void TestLayout::drawingTheBirthDetailsWindowStartsNoThreads() {
#ifdef Q_OS_LINUX
    frmMain& window = WindowRegistry::Instance().Use<frmMain>();
    window.ShowCentred();
    const QStringList before = PooledThreads();
    QVERIFY(!window.grab().toImage().isNull());
    QCOMPARE(PooledThreads(), before);
#else
    QSKIP("threads are counted through /proc");
#endif
}

void TestLayout::birthDetailsTextsFit() {
    frmMain& window = WindowRegistry::Instance().Use<frmMain>();
    window.ShowCentred();
    VerifyNoLabelIsCut(&window);
    window.BringCoBrandToFront(true);
    VerifyNoLabelIsCut(&window);
}

void TestLayout::resultTextsFitForEveryReading() {
    // One reading per month and half: every colour and every sign shows.
    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (const char* month : months) {
        for (const int day : {1, 28}) {
            frmMain& window = WindowRegistry::Instance().Use<frmMain>();
            Control<QLineEdit>(window, "txtName")->setText("Ann");
            QVERIFY(ChooseBirthDate(window, day, month));
            QTest::mouseClick(Control<QPushButton>(window, "cmdProceed"), Qt::LeftButton);
            Settle();
            auto* result = WindowRegistry::Instance().Find<frmLuckyCarResult>();
            QVERIFY(result);
            VerifyNoLabelIsCut(result);
            // The car colour's name never runs into its swatch.
            QVERIFY(Control<QLabel>(*result, "lblLuckyCar_Result0")->geometry().right() <
                    Control<Swatch>(*result, "lblColorCode0")->geometry().left());
            QTest::mouseClick(Control<QPushButton>(*result, "cmdBack"), Qt::LeftButton);
            Settle();
        }
    }
}

void TestLayout::exitWindowTextsFitForEverySupportText() {
    frmNagScreen2& window = WindowRegistry::Instance().Use<frmNagScreen2>();
    window.ShowCentred();
    for (const QString& text : SupportTexts()) {
        Control<QLabel>(window, "Label2")->setFont(ProgramFont(8.25, true));
        Control<QLabel>(window, "Label2")->setText(text);
        ShrinkFontToFit(Control<QLabel>(window, "Label2"));
        VerifyNoLabelIsCut(&window);
    }
}

void TestLayout::aboutWindowLayoutAndTexts() {
    frmMain& opener = WindowRegistry::Instance().Use<frmMain>();
    opener.ShowCentred();
    frmAbout about(&opener);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.size(), QSize(399, 229));
    QVERIFY(Control<QLabel>(about, "Label1")
                ->text()
                .startsWith("Korvane gives you the choice of the best color that you should choose "
                            "for your car "
                            "based on astrology or Feng Shui."));
    QCOMPARE(Control<QLabel>(about, "Label2")->text(), QString("Korvane v1.0"));
    QVERIFY(Control<QPushButton>(about, "cmdOK")->isDefault());
    QCOMPARE(about.windowTitle(), QString("Korvane v1.0"));
    QVERIFY(about.windowFlags().testFlag(Qt::Dialog));
    QCOMPARE(about.windowModality(), Qt::ApplicationModal);
    VerifyNoLabelIsCut(&about);
    QVERIFY(!Control<QLabel>(about, "picIcon")->pixmap().isNull());
}

void TestLayout::aboutWindowClosesWithEnterEscapeAndOk_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("close box") << -1;
}

void TestLayout::aboutWindowClosesWithEnterEscapeAndOk() {
    QFETCH(int, key);
    frmMain& opener = WindowRegistry::Instance().Use<frmMain>();
    opener.ShowCentred();
    bool sawModal = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!about)
            return;
        sawModal = true;
        if (key > 0)
            QTest::keyClick(about->focusWidget() ? about->focusWidget() : about, Qt::Key(key));
        else if (key == 0)
            QTest::mouseClick(Control<QPushButton>(*about, "cmdOK"), Qt::LeftButton);
        else
            about->close();
    });
    const ModalFailsafe failsafe;
    Control<QAction>(opener, "mnuAbout")->trigger(); // returns once the modal window has closed
    QVERIFY(sawModal);
    QVERIFY(!failsafe.Fired());
    QVERIFY(!QApplication::activeModalWidget());
    // The opener is untouched.
    QVERIFY(WindowRegistry::Instance().Find<frmMain>());
    QCOMPARE(VisibleWindowNames(), QStringList{"frmMain"});
}

void TestLayout::aboutLinksKeepItOpen() {
    frmAbout about(nullptr);
    about.show();
    QTest::mouseClick(Control<LinkLabel>(about, "lblHomePage"), Qt::LeftButton);
    QTest::mouseClick(Control<LinkLabel>(about, "lblCobrand"), Qt::LeftButton);
    QVERIFY(about.isVisible());
    QCOMPARE(bed->platform.openedAddresses,
             (QStringList{"https://www.quillory.example/",
                          "https://help.quillory.example/fully-branded.html"}));
}

QTEST_MAIN(TestLayout)
#include "test_app_layout.moc"
