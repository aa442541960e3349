#include "birth_details_window.h"
#include "exit_promotion_window.h"
#include "link_label.h"
#include "result_window.h"
#include "table_rows.h"
#include "value_label.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace korvane;

class TestBirthDetailsWindow : public WindowTest {
    Q_OBJECT
private slots:
    void freshWindowHasListsAndDefaults() {
        frmMain& window = Use<frmMain>();
        for (const auto& [name, count, first, second, last] :
             {std::tuple{"cboDate", 31, "1", "2", "31"},
              {"cboMonth", 12, "January", "February", "December"},
              {"cboYear", 151, "1900", "1901", "2050"}}) {
            const auto* list = Control<QComboBox>(window, name);
            QCOMPARE(list->count(), count);
            // The first entry chosen.
            QCOMPARE((QStringList{list->currentText(), list->itemText(0), list->itemText(1),
                                  list->itemText(list->count() - 1)}),
                     (QStringList{first, first, second, last}));
        }
        QVERIFY(Control<QRadioButton>(window, "optSex0")->isChecked());
        QVERIFY(!Control<QRadioButton>(window, "optSex1")->isChecked());
        QVERIFY(Control<QLineEdit>(window, "txtName")->text().isEmpty());
        QVERIFY(!Control<QComboBox>(window, "cboDate")->isEditable());
        QCOMPARE(window.windowTitle(), QString("Korvane v1.0"));
        QVERIFY(!Control<LinkLabel>(window, "lblCobrand")->isVisibleTo(&window));
    }

    void geometryAndFixedSize() {
        frmMain& window = Shown<frmMain>();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.centralWidget()->size(), QSize(488, 301));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(Control<QGroupBox>(window, "fraDetails")->geometry(), QRect(83, 96, 323, 137));
        QCOMPARE(Control<QLineEdit>(window, "txtName")->geometry(), QRect(86, 18, 207, 20));
        QCOMPARE(Control<QPushButton>(window, "cmdProceed")->geometry(), QRect(12, 104, 297, 25));
        QCOMPARE(Control<LinkLabel>(window, "lblCobrand")->geometry(),
                 Control<LinkLabel>(window, "lblFullBrand")->geometry());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(window.focusWidget(), Control<QLineEdit>(window, "txtName"));
    }

    void validationMessagesInOrder_data() {
        Columns<QString, int, QString, QString, QString, bool>("name", "day", "month", "year",
                                                               "message", "critical");
        const char* name = "Please Enter Your Name";
        const char* wrongDate = "Please Enter Correct Date Or Month!";
        const char* wrong31st = "Please Enter Correct Date Or Month !"; // the space as shown
        Row("empty name", "", 1, "March", "1980", name, true);
        Row("empty name wins over 31 April", "", 31, "April", "1980", name, true);
        Row("29 February 1999", "Ann", 29, "February", "1999", wrongDate, false);
        Row("29 February 1900", "Ann", 29, "February", "1900", wrongDate, false);
        Row("30 February 2000", "Ann", 30, "February", "2000", wrongDate, false);
        Row("31 April", "Ann", 31, "April", "1980", wrong31st, false);
        Row("31 November", "Ann", 31, "November", "2050", wrong31st, false);
        Row("29 February 2000 passes", "Ann", 29, "February", "2000", "", false);
        Row("31 March passes", "Ann", 31, "March", "1980", "", false);
    }

    void validationMessagesInOrder() {
        const auto [name, day, month, year, message, critical] =
            Fetch<QString, int, QString, QString, QString, bool>("name", "day", "month", "year",
                                                                 "message", "critical");
        frmMain& window = Shown<frmMain>();
        Control<QLineEdit>(window, "txtName")->setText(name);
        QVERIFY(ChooseBirthDate(window, day, month, year));
        Control<QComboBox>(window, "cboYear")->setFocus();
        const bool valid = window.ValidateBirthDetails();
        QCOMPARE(valid, message.isEmpty());
        if (message.isEmpty()) {
            QVERIFY(bed->platform.messages.isEmpty());
            return;
        }
        const MessageIcon icon = critical ? MessageIcon::Critical : MessageIcon::Information;
        QCOMPARE(bed->platform.messages,
                 (QList<RecordingPlatform::Message>{{&window, message, icon, MessageButtons::Ok}}));
        // The name message sends the user back to the name box; the date
        // messages leave the focus where it was.
        QCOMPARE(window.focusWidget(),
                 critical ? static_cast<QWidget*>(Control<QLineEdit>(window, "txtName"))
                          : static_cast<QWidget*>(Control<QComboBox>(window, "cboYear")));
    }

    void blankNameIsAccepted() {
        frmMain& window = Use<frmMain>();
        Control<QLineEdit>(window, "txtName")->setText("   ");
        QTest::mouseClick(Control<QPushButton>(window, "cmdProceed"), Qt::LeftButton);
        QVERIFY(bed->platform.messages.isEmpty());
        QVERIFY(Find<frmLuckyCarResult>());
    }

    void handOffShowsResultWithoutExitWindow() {
        auto* result = ReadingFromTheForm("Ann", 25, "July", "1975");
        QVERIFY(result);
        QCOMPARE(VisibleWindowNames(), QStringList{"frmLuckyCarResult"});
        QVERIFY(!Find<frmMain>());
        QVERIFY(!Find<frmNagScreen2>());
        QCOMPARE(bed->endRequests, 0);
        QVERIFY(Control<QWidget>(*result, "fraResult0")->isVisibleTo(result));
        QCOMPARE(Control<QLabel>(*result, "lblLuckyCar_Result4")->text(), QString("Leo"));
    }

    // The details picked reach the result window: a woman born on 10 January
    // 1975 counts from 1974 (Kua 7) and is a Capricorn.
    void handOffShowsTheReadingOfTheDetails() {
        frmMain& window = Use<frmMain>();
        Control<QLineEdit>(window, "txtName")->setText("  Bo  ");
        Control<QRadioButton>(window, "optSex1")->setChecked(true);
        QVERIFY(ChooseBirthDate(window, 10, "January", "1975"));
        QTest::keyClick(Control<QPushButton>(window, "cmdProceed"), Qt::Key_Space);
        auto* result = Find<frmLuckyCarResult>();
        QVERIFY(result);
        QCOMPARE(Control<QLabel>(*result, "lblLuckyCar_Result2")->text(), QString("7"));
        QCOMPARE(Control<QLabel>(*result, "lblLuckyCar_Result4")->text(), QString("Capricorn"));
        QVERIFY(
            Control<QLabel>(*result, "lblFengShuiYear")->text().startsWith("Feng Shui year 1974"));
    }

    void leavingTakesTheExitPath_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File, Exit") << true;
    }

    void leavingTakesTheExitPath() {
        QFETCH(bool, fromMenu);
        frmMain& window = Shown<frmMain>();
        if (fromMenu)
            Control<QAction>(window, "nuExit")->trigger();
        else
            window.close();
        Settle();
        QCOMPARE(VisibleWindowNames(), QStringList{"frmNagScreen2"});
        QVERIFY(!Find<frmMain>());
        // The program runs on until the exit promotion window is closed.
        QCOMPARE(bed->endRequests, 0);
        Find<frmNagScreen2>()->close();
        QCOMPARE(bed->endRequests, 1);
    }

    void enterDoesNotPressTheButton() {
        frmMain& window = Shown<frmMain>();
        Control<QLineEdit>(window, "txtName")->setText("Ann");
        QTest::keyClick(Control<QLineEdit>(window, "txtName"), Qt::Key_Return);
        QTest::keyClick(Control<QPushButton>(window, "cmdProceed"), Qt::Key_Return);
        QTest::keyClick(Control<QPushButton>(window, "cmdProceed"), Qt::Key_Escape);
        Settle();
        QVERIFY(Find<frmMain>());
        QVERIFY(!Find<frmLuckyCarResult>());
        QVERIFY(!Control<QPushButton>(window, "cmdProceed")->isDefault());
    }

    void menusAndLinks() {
        frmMain& window = Use<frmMain>();
        const QList<QAction*> bar = window.menuBar()->actions();
        QStringList captions;
        for (QAction* action : bar)
            captions << action->text();
        QCOMPARE(captions, (QStringList{"&File", "&Help", "&Donate", "&Make Money Online"}));
        QVERIFY(!bar[3]->isVisible() && !bar[3]->isEnabled());

        QStringList helpEntries;
        for (QAction* action : bar[1]->menu()->actions())
            helpEntries << (action->isSeparator() ? QString("-") : action->text());
        QCOMPARE(helpEntries, (QStringList{"&Online Help", "&Visit Us Online", "-",
                                           "&Check for Software Update", "-", "&About Software"}));

        Control<QAction>(window, "mnuOnline")->trigger();
        Control<QAction>(window, "mnuVisit")->trigger();
        Control<QAction>(window, "mnuUpdate")->trigger();
        Control<QAction>(window, "mnuDonate")->trigger();
        QTest::mouseClick(Control<LinkLabel>(window, "Label14"), Qt::LeftButton);
        window.BringCoBrandToFront(true);
        QTest::mouseClick(Control<LinkLabel>(window, "lblCobrand"), Qt::LeftButton);
        window.BringCoBrandToFront(false);
        QTest::mouseClick(Control<LinkLabel>(window, "lblFullBrand"), Qt::LeftButton);
        QCOMPARE(bed->platform.openedAddresses,
                 (QStringList{"https://www.korvane.example/korvane-help.html",
                              "https://www.quillory.example/",
                              "https://www.korvane.example/download-korvane.html",
                              "https://help.quillory.example/donate.html",
                              "https://www.quillory.example/",
                              "https://help.quillory.example/co-brand.html",
                              "https://help.quillory.example/fully-branded.html"}));
        QCOMPARE(Control<LinkLabel>(window, "Label14")->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(Control<LinkLabel>(window, "Label14")->font().underline());
    }

    void offersShareOneRectangle() {
        frmMain& window = Use<frmMain>();
        window.BringCoBrandToFront(true);
        QVERIFY(Control<LinkLabel>(window, "lblCobrand")->isVisibleTo(&window));
        QVERIFY(!Control<LinkLabel>(window, "lblFullBrand")->isVisibleTo(&window));
        window.BringCoBrandToFront(false);
        QVERIFY(!Control<LinkLabel>(window, "lblCobrand")->isVisibleTo(&window));
        QVERIFY(Control<LinkLabel>(window, "lblFullBrand")->isVisibleTo(&window));
        // The double ampersand of the design shows as one.
        QVERIFY(
            Control<LinkLabel>(window, "lblCobrand")->text().contains("site's name &  link here"));
        QVERIFY(!Control<LinkLabel>(window, "lblCobrand")->text().contains("&&"));
    }
};

QTEST_MAIN(TestBirthDetailsWindow)
#include "test_app_birth_details_window.moc"
