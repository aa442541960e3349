#include "birth_details_window.h"
#include "exit_promotion_window.h"
#include "link_label.h"
#include "result_window.h"
#include "sun_sign_text_box.h"
#include "value_label.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

using namespace korvane;

class TestResultWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void designContents();
    void geometry();
    void tabsSwitchPanels();
    void keyboardSwitchesTabs();
    void readingFillsBothPanels();
    void valueLabelsGrowWithTheirText();
    void newReadingStartsOnAstrology();
    void backReturnsToAFreshBirthDetailsWindow_data();
    void backReturnsToAFreshBirthDetailsWindow();
    void leavingTakesTheExitPath_data();
    void leavingTakesTheExitPath();
    void menusAndLinks();
    void saveDoesNothing();
    void signTextGuardsTheClipboard();

private:
    frmLuckyCarResult& Reading(const QString& name, int day, const QString& month,
                               const QString& year, bool male = true);
    std::unique_ptr<WindowTestBed> bed;
};

void TestResultWindow::init() {
    bed = std::make_unique<WindowTestBed>();
}

void TestResultWindow::cleanup() {
    bed.reset();
}

frmLuckyCarResult& TestResultWindow::Reading(const QString& name, int day, const QString& month,
                                             const QString& year, bool male) {
    frmMain& window = WindowRegistry::Instance().Use<frmMain>();
    window.ShowCentred();
    window.txtName->setText(name);
    window.optSex[male ? 0 : 1]->setChecked(true);
    window.cboDate->setCurrentIndex(day - 1);
    window.cboMonth->setCurrentIndex(window.cboMonth->findText(month));
    window.cboYear->setCurrentIndex(window.cboYear->findText(year));
    QTest::mouseClick(window.cmdProceed, Qt::LeftButton);
    Settle();
    return *WindowRegistry::Instance().Find<frmLuckyCarResult>();
}

void TestResultWindow::designContents() {
    frmLuckyCarResult& window = WindowRegistry::Instance().Use<frmLuckyCarResult>();
    QCOMPARE(window.lblLuckyCar_Result[0]->text(), QString("Turquoise"));
    for (int i : {2, 3, 4})
        QCOMPARE(window.lblLuckyCar_Result[i]->text(), QString("Label1"));
    for (Swatch* swatch : window.lblColorCode)
        QCOMPARE(swatch->Colour(), QColor(128, 0, 128));
    QCOMPARE(window.lblColourToWearSuccess->text(), QString("Success"));
    QCOMPARE(window.lblColourToWearRelationships->text(), QString("Relationships"));
    QCOMPARE(window.TS->count(), 2);
    QCOMPARE(window.TS->tabText(0), QString("Result Based on Astrology"));
    QCOMPARE(window.TS->tabText(1), QString("Result Based on Feng Shui"));
    QCOMPARE(window.TS->currentIndex(), 0);
    QCOMPARE(window.FrontPanel(), 0);
    QCOMPARE(window.lblCaption[7]->text(),
             QString("Your Lucky Car Color for Personal Development"));
    QCOMPARE(window.lblCaption[6]->text(), QString("Your Lucky Car Color for Relationship"));
    QVERIFY(window.txtSunSign_Desc->isReadOnly());
    QCOMPARE(window.txtSunSign_Desc->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(window.txtSunSign_Desc->palette().color(QPalette::Base), QColor(68, 109, 217));
    QCOMPARE(window.txtSunSign_Desc->palette().color(QPalette::Text), QColor(Qt::white));
    // The forum invitation loses its final full stop here.
    QVERIFY(window.Label14->text().endsWith("Click Here To Visit Quillory Now"));
    QVERIFY(window.lblCobrand->isVisibleTo(&window));
    QVERIFY(!window.lblFullBrand->isVisibleTo(&window));
}

void TestResultWindow::geometry() {
    frmLuckyCarResult& window = WindowRegistry::Instance().Use<frmLuckyCarResult>();
    window.ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.centralWidget()->size(), QSize(521, 418));
    QCOMPARE(window.panels->geometry(), QRect(0, 55, 521, 305));
    QCOMPARE(window.TS->geometry(), QRect(0, 32, 521, 23));
    QCOMPARE(window.cmdBack->geometry(), QRect(446, 377, 67, 23));
    QCOMPARE(window.focusWidget(), window.cmdBack);
    // The Save button lies below the client area: never seen, never reached.
    QVERIFY(!window.centralWidget()->rect().intersects(window.cmdPrint->geometry()));
    QCOMPARE(window.cmdPrint->focusPolicy(), Qt::NoFocus);
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
}

void TestResultWindow::tabsSwitchPanels() {
    frmLuckyCarResult& window = Reading("Ann", 5, "May", "1980");
    QTest::mouseClick(window.TS, Qt::LeftButton, {}, window.TS->tabRect(1).center());
    QCOMPARE(window.FrontPanel(), 1);
    QVERIFY(window.fraResult[1]->isVisible());
    QVERIFY(!window.fraResult[0]->isVisible());
    QTest::mouseClick(window.TS, Qt::LeftButton, {}, window.TS->tabRect(1).center());
    QCOMPARE(window.FrontPanel(), 1);
    QTest::mouseClick(window.TS, Qt::LeftButton, {}, window.TS->tabRect(0).center());
    QCOMPARE(window.FrontPanel(), 0);
    QVERIFY(window.fraResult[0]->isVisible());
}

void TestResultWindow::keyboardSwitchesTabs() {
    frmLuckyCarResult& window = Reading("Ann", 5, "May", "1980");
    window.activateWindow();
    QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window.FrontPanel(), 1);
    QTest::keyClick(&window, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(window.FrontPanel(), 0);
    QTest::keyClick(&window, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(window.FrontPanel(), 1);
}

void TestResultWindow::readingFillsBothPanels() {
    // Male, 15 March 1975: Kua 7 (White, Coral, Beige, Gold); Pisces, Yellow.
    frmLuckyCarResult& window = Reading("Ann", 15, "March", "1975");
    QCOMPARE(window.lblLuckyCar_Result[0]->text(), QString("Yellow"));
    QVERIFY(window.lblCarColourDescription->text().startsWith("Yellow symbolizes intelligence"));
    QCOMPARE(window.lblLuckyCar_Result[2]->text(), QString("7"));
    QCOMPARE(window.lblLuckyCar_Result[3]->text(), QString("Jupiter"));
    QCOMPARE(window.lblLuckyCar_Result[4]->text(), QString("Pisces"));
    QVERIFY(window.txtSunSign_Desc->toPlainText().startsWith("The typical Pisces individual"));
    QCOMPARE(window.lblColorCode[0]->Colour(), QColor(255, 255, 0));
    QCOMPARE(window.lblColourToWearSuccess->text(), QString("White"));
    QCOMPARE(window.lblColourToWearHealth->text(), QString("Coral"));
    QCOMPARE(window.lblColourToWearRelationships->text(), QString("Beige"));
    QCOMPARE(window.lblColourToWearPersonal->text(), QString("Gold"));
    QCOMPARE(window.lblColorCode[1]->Colour(), QColor(255, 255, 255));
    QCOMPARE(window.lblColorCode[2]->Colour(), QColor(255, 120, 80));
    QCOMPARE(window.lblColorCode[3]->Colour(), QColor(255, 200, 150));
    QCOMPARE(window.lblColorCode[4]->Colour(), QColor(255, 215, 0));
    // What a screen reader says of a value and of a swatch.
    QCOMPARE(window.lblLuckyCar_Result[4]->accessibleName(), QString("Sun Sign: Pisces"));
    QCOMPARE(window.lblColorCode[2]->accessibleName(),
             QString("Coral, red 255, green 120, blue 80"));
}

void TestResultWindow::valueLabelsGrowWithTheirText() {
    frmLuckyCarResult& window = Reading("Ann", 1, "December", "1980");
    ValueLabel* sign = window.lblLuckyCar_Result[4];
    QCOMPARE(sign->text(), QString("Sagittarius"));
    QVERIFY(sign->width() >= sign->fontMetrics().horizontalAdvance("Sagittarius"));
    QCOMPARE(sign->height(), 13);
}

void TestResultWindow::newReadingStartsOnAstrology() {
    frmLuckyCarResult& first = Reading("Ann", 5, "May", "1980");
    first.TS->setCurrentIndex(1);
    QTest::mouseClick(first.cmdBack, Qt::LeftButton);
    Settle();
    frmLuckyCarResult& second = Reading("Ann", 6, "June", "1981");
    QCOMPARE(second.TS->currentIndex(), 0);
    QCOMPARE(second.FrontPanel(), 0);
}

void TestResultWindow::backReturnsToAFreshBirthDetailsWindow_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Back button") << false;
    QTest::newRow("File, Back") << true;
}

void TestResultWindow::backReturnsToAFreshBirthDetailsWindow() {
    QFETCH(bool, fromMenu);
    frmLuckyCarResult& window = Reading("Someone", 20, "October", "1999", false);
    if (fromMenu)
        window.mnuBack->trigger();
    else
        QTest::mouseClick(window.cmdBack, Qt::LeftButton);
    Settle();
    QCOMPARE(VisibleWindowNames(), QStringList{"frmMain"});
    QVERIFY(!WindowRegistry::Instance().Find<frmLuckyCarResult>());
    // The exit promotion window exists, hidden, for a later exit.
    QVERIFY(WindowRegistry::Instance().Find<frmNagScreen2>());
    frmMain* fresh = WindowRegistry::Instance().Find<frmMain>();
    QVERIFY(fresh->txtName->text().isEmpty());
    QVERIFY(fresh->optSex[0]->isChecked());
    QVERIFY(!fresh->IsCoBrandInFront());
    QCOMPARE(bed->endRequests, 0);

    // Leaving the new birth details window shows the exit promotion window.
    fresh->close();
    Settle();
    QCOMPARE(VisibleWindowNames(), QStringList{"frmNagScreen2"});
}

void TestResultWindow::leavingTakesTheExitPath_data() {
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("close box") << false;
    QTest::newRow("File, Exit") << true;
}

void TestResultWindow::leavingTakesTheExitPath() {
    QFETCH(bool, fromMenu);
    frmLuckyCarResult& window = Reading("Ann", 5, "May", "1980");
    if (fromMenu)
        window.mnuExit->trigger();
    else
        window.close();
    Settle();
    QCOMPARE(VisibleWindowNames(), QStringList{"frmNagScreen2"});
    QVERIFY(!WindowRegistry::Instance().Find<frmLuckyCarResult>());
    QVERIFY(!WindowRegistry::Instance().Find<frmMain>());
    QCOMPARE(bed->endRequests, 0);
}

void TestResultWindow::menusAndLinks() {
    frmLuckyCarResult& window = Reading("Ann", 5, "May", "1980");
    bed->platform.openedAddresses.clear();
    const QList<QAction*> bar = window.menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    QCOMPARE(bar[3]->text(), QString("Make Money &Online"));
    QVERIFY(!bar[3]->isVisible() && !bar[3]->isEnabled());
    QVERIFY(!window.mnuPrint->isEnabled());
    QCOMPARE(window.mnuUpdate->text(), QString("Check for Software &Update"));
    window.mnuOnline->trigger();
    window.mnuVisit->trigger();
    window.mnuUpdate->trigger();
    window.mnuDonate->trigger();
    QTest::mouseClick(window.Label14, Qt::LeftButton);
    QTest::mouseClick(window.lblCobrand, Qt::LeftButton);
    QCOMPARE(bed->platform.openedAddresses,
             (QStringList{
                 "https://www.korvane.example/korvane-help.html", "https://www.quillory.example/",
                 "https://www.korvane.example/download-korvane.html",
                 "https://help.quillory.example/donate.html", "https://www.quillory.example/",
                 "https://help.quillory.example/co-brand.html"}));
    QCOMPARE(VisibleWindowNames(), QStringList{"frmLuckyCarResult"});
}

void TestResultWindow::saveDoesNothing() {
    frmLuckyCarResult& window = Reading("Ann", 5, "May", "1980");
    window.cmdPrint->click();
    window.mnuPrint->setEnabled(true);
    window.mnuPrint->trigger();
    Settle();
    QCOMPARE(VisibleWindowNames(), QStringList{"frmLuckyCarResult"});
    QVERIFY(bed->platform.openedAddresses.isEmpty());
    QVERIFY(bed->platform.messages.isEmpty());
}

void TestResultWindow::signTextGuardsTheClipboard() {
    frmLuckyCarResult& window = Reading("Ann", 5, "May", "1980");
    // Writing the description checked the clipboard once.
    QVERIFY(!bed->platform.clipboardChecks.isEmpty());
    QVERIFY(bed->platform.clipboardChecks.last().startsWith("As the second sign of the zodiac"));
    const qsizetype before = bed->platform.clipboardChecks.size();
    QWidget* viewport = window.txtSunSign_Desc->viewport();
    QTest::mouseMove(viewport, QPoint(10, 10));
    QTest::mouseMove(viewport, QPoint(20, 12));
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(20, 12));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(40, 12));
    Settle();
    QVERIFY(bed->platform.clipboardChecks.size() >= before + 3);
}

QTEST_MAIN(TestResultWindow)
#include "test_result_window.moc"
