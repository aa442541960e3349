#include "birth_details_window.h"
#include "clipboard_guard.h"
#include "exit_promotion_window.h"
#include "link_label.h"
#include "result_window.h"
#include "sun_sign_text_box.h"
#include "table_rows.h"
#include "value_label.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

using namespace korvane;

namespace {

// The panel the user sees: 0 astrology, 1 Feng Shui; -1 when not one alone.
int ShownPanel(const QWidget& window) {
    const bool astrology = Control<QWidget>(window, "fraResult0")->isVisibleTo(&window);
    const bool fengShui = Control<QWidget>(window, "fraResult1")->isVisibleTo(&window);
    return astrology == fengShui ? -1 : (astrology ? 0 : 1);
}

// The result window of a reading made in the birth details window.
frmLuckyCarResult& ResultOf(const QString& name, int day, const QString& month, const QString& year,
                            bool male = true) {
    frmLuckyCarResult* result = ReadingFromTheForm(name, day, month, year, male);
    if (!result)
        qFatal("no reading for %d %s %s", day, qPrintable(month), qPrintable(year));
    return *result;
}

} // namespace

class TestResultWindow : public WindowTest {
    Q_OBJECT
private slots:
    void designContents() {
        frmLuckyCarResult& window = Use<frmLuckyCarResult>();
        QCOMPARE(
            LabelTexts(window, {"lblLuckyCar_Result0", "lblLuckyCar_Result2", "lblLuckyCar_Result3",
                                "lblLuckyCar_Result4", "lblColourToWearSuccess",
                                "lblColourToWearRelationships", "lblCaption7", "lblCaption6"}),
            (QStringList{"Turquoise", "Label1", "Label1", "Label1", "Success", "Relationships",
                         "Your Lucky Car Color for Personal Development",
                         "Your Lucky Car Color for Relationship"}));
        QCOMPARE(SwatchColours(window), QStringList(5, "#800080"));
        // The tabs' names are test_app_accessibility's.
        QCOMPARE(Control<QTabBar>(window, "TS")->currentIndex(), 0);
        QCOMPARE(ShownPanel(window), 0);
        const auto* signText = Control<SunSignTextBox>(window, "txtSunSign_Desc");
        QVERIFY(signText->isReadOnly());
        QCOMPARE(signText->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(signText->palette().color(QPalette::Base), QColor(68, 109, 217));
        QCOMPARE(signText->palette().color(QPalette::Text), QColor(Qt::white));
        // The forum invitation loses its final full stop here.
        QVERIFY(Control<LinkLabel>(window, "Label14")
                    ->text()
                    .endsWith("Click Here To Visit Quillory Now"));
        QVERIFY(Control<LinkLabel>(window, "lblCobrand")->isVisibleTo(&window));
        QVERIFY(!Control<LinkLabel>(window, "lblFullBrand")->isVisibleTo(&window));
    }

    void geometry() {
        frmLuckyCarResult& window = Shown<frmLuckyCarResult>();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.centralWidget()->size(), QSize(521, 418));
        QCOMPARE(Control<QStackedWidget>(window, "panels")->geometry(), QRect(0, 55, 521, 305));
        QCOMPARE(Control<QTabBar>(window, "TS")->geometry(), QRect(0, 32, 521, 23));
        QCOMPARE(Control<QPushButton>(window, "cmdBack")->geometry(), QRect(446, 377, 67, 23));
        QCOMPARE(window.focusWidget(), Control<QPushButton>(window, "cmdBack"));
        // The Save button lies below the client area: never seen, never reached.
        QVERIFY(!window.centralWidget()->rect().intersects(
            Control<QPushButton>(window, "cmdPrint")->geometry()));
        QCOMPARE(Control<QPushButton>(window, "cmdPrint")->focusPolicy(), Qt::NoFocus);
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    // By mouse, a tab clicked twice staying, and by keyboard.
    void tabsSwitchPanels() {
        frmLuckyCarResult& window = ResultOf("Ann", 5, "May", "1980");
        auto* tabs = Control<QTabBar>(window, "TS");
        for (const int tab : {1, 1, 0}) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
            QCOMPARE(ShownPanel(window), tab);
            QVERIFY(Control<QWidget>(window, QString("fraResult%1").arg(tab))->isVisible());
        }
        window.activateWindow();
        for (const auto& [key, tab] :
             {std::pair{Qt::Key_Tab, 1}, {Qt::Key_PageUp, 0}, {Qt::Key_PageDown, 1}}) {
            QTest::keyClick(&window, key, Qt::ControlModifier);
            QCOMPARE(ShownPanel(window), tab);
        }
    }

    void readingFillsBothPanels() {
        // Male, 15 March 1975: Kua 7 (White, Coral, Beige, Gold); Pisces, Yellow.
        frmLuckyCarResult& window = ResultOf("Ann", 15, "March", "1975");
        QCOMPARE(
            LabelTexts(window,
                       {"lblLuckyCar_Result0", "lblLuckyCar_Result2", "lblLuckyCar_Result3",
                        "lblLuckyCar_Result4", "lblColourToWearSuccess", "lblColourToWearHealth",
                        "lblColourToWearRelationships", "lblColourToWearPersonal"}),
            (QStringList{"Yellow", "7", "Jupiter", "Pisces", "White", "Coral", "Beige", "Gold"}));
        QCOMPARE(SwatchColours(window),
                 (QStringList{"#ffff00", "#ffffff", "#ff7850", "#ffc896", "#ffd700"}));
        QVERIFY(Control<QLabel>(window, "lblLuckyCar_Result1")
                    ->text()
                    .startsWith("Yellow symbolizes intelligence"));
        QVERIFY(Control<SunSignTextBox>(window, "txtSunSign_Desc")
                    ->toPlainText()
                    .startsWith("The typical Pisces individual"));
        // What a screen reader says of a swatch (of a value: test_app_accessibility).
        QCOMPARE(Control<Swatch>(window, "lblColorCode2")->accessibleName(),
                 QString("Coral, red 255, green 120, blue 80"));
    }

    void valueLabelsGrowWithTheirText() {
        frmLuckyCarResult& window = ResultOf("Ann", 1, "December", "1980");
        ValueLabel* sign = Control<ValueLabel>(window, "lblLuckyCar_Result4");
        QCOMPARE(sign->text(), QString("Sagittarius"));
        QVERIFY(sign->width() >= sign->fontMetrics().horizontalAdvance("Sagittarius"));
        QCOMPARE(sign->height(), 13);
        // Values and captions are exactly as large as a label asks to be for
        // its text, with the design texts and with the reading's (a colour
        // row that a reading does not use is hidden).
        for (const ValueLabel* value : window.findChildren<ValueLabel*>())
            if (!value->isHidden())
                QCOMPARE(value->width(), value->sizeHint().width());
        for (int i = 0; i < 8; ++i) {
            const QLabel* caption = Control<QLabel>(window, QString("lblCaption%1").arg(i));
            QCOMPARE(caption->size(), caption->sizeHint());
        }
    }

    void newReadingStartsOnAstrology() {
        frmLuckyCarResult& first = ResultOf("Ann", 5, "May", "1980");
        Control<QTabBar>(first, "TS")->setCurrentIndex(1);
        QTest::mouseClick(Control<QPushButton>(first, "cmdBack"), Qt::LeftButton);
        Settle();
        frmLuckyCarResult& second = ResultOf("Ann", 6, "June", "1981");
        QCOMPARE(Control<QTabBar>(second, "TS")->currentIndex(), 0);
        QCOMPARE(ShownPanel(second), 0);
    }

    // Back, by button or menu, to a fresh birth details window, whose own
    // leaving then shows the exit promotion window; leaving by the close box
    // or the menu shows that at once.
    void leaving_data() {
        Columns<QString, QString>("how", "shown");
        QTest::newRow("Back button") << QString("cmdBack") << "frmMain";
        QTest::newRow("File, Back") << QString("mnuBack") << "frmMain";
        QTest::newRow("File, Exit") << QString("mnuExit") << "frmNagScreen2";
        QTest::newRow("close box") << QString("") << "frmNagScreen2";
    }

    void leaving() {
        const auto [how, shown] = Fetch<QString, QString>("how", "shown");
        frmLuckyCarResult& window = ResultOf("Someone", 20, "October", "1999", false);
        if (how == "cmdBack")
            QTest::mouseClick(Control<QPushButton>(window, how), Qt::LeftButton);
        else if (how.isEmpty())
            window.close();
        else
            Control<QAction>(window, how)->trigger();
        Settle();
        QCOMPARE(VisibleWindowNames(), QStringList{shown});
        QVERIFY(!Find<frmLuckyCarResult>());
        QCOMPARE(bed->endRequests, 0);
        frmMain* fresh = Find<frmMain>();
        QCOMPARE(fresh != nullptr, shown == "frmMain");
        if (!fresh)
            return;
        // The exit promotion window exists, hidden, for a later exit.
        QVERIFY(Find<frmNagScreen2>());
        QVERIFY(Control<QLineEdit>(*fresh, "txtName")->text().isEmpty());
        QVERIFY(Control<QRadioButton>(*fresh, "optSex0")->isChecked());
        QVERIFY(!Control<LinkLabel>(*fresh, "lblCobrand")->isVisibleTo(fresh));
        fresh->close();
        Settle();
        QCOMPARE(VisibleWindowNames(), QStringList{"frmNagScreen2"});
    }

    // The menus come from the same place as the birth details window's, whose
    // test follows them; here their own captions, and this window's links.
    void menusAndLinks() {
        frmLuckyCarResult& window = ResultOf("Ann", 5, "May", "1980");
        bed->platform.openedAddresses.clear();
        const QList<QAction*> bar = window.menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar[3]->text(), QString("Make Money &Online"));
        QVERIFY(!bar[3]->isVisible() && !bar[3]->isEnabled());
        QCOMPARE(Control<QAction>(window, "mnuUpdate")->text(),
                 QString("Check for Software &Update"));
        QTest::mouseClick(Control<LinkLabel>(window, "Label14"), Qt::LeftButton);
        QTest::mouseClick(Control<LinkLabel>(window, "lblCobrand"), Qt::LeftButton);
        QCOMPARE(bed->platform.openedAddresses,
                 (QStringList{"https://www.quillory.example/",
                              "https://help.quillory.example/co-brand.html"}));
        QCOMPARE(VisibleWindowNames(), QStringList{"frmLuckyCarResult"});
    }

    void saveDoesNothing() {
        frmLuckyCarResult& window = ResultOf("Ann", 5, "May", "1980");
        Control<QPushButton>(window, "cmdPrint")->click();
        Control<QAction>(window, "mnuPrint")->setEnabled(true);
        Control<QAction>(window, "mnuPrint")->trigger();
        Settle();
        QCOMPARE(VisibleWindowNames(), QStringList{"frmLuckyCarResult"});
        QVERIFY(bed->platform.openedAddresses.isEmpty());
        QVERIFY(bed->platform.messages.isEmpty());
    }

    void signTextGuardsTheClipboard() {
        // A word of the sign text that the user copied elsewhere stays through
        // the reading, which guards the clipboard as it writes the text.
        bed->platform.ownClipboard = QStringLiteral("the");
        frmLuckyCarResult& window = ResultOf("Ann", 5, "May", "1980");
        auto* box = Control<SunSignTextBox>(window, "txtSunSign_Desc");
        QVERIFY(box->toPlainText().startsWith("As the second sign of the zodiac"));
        QCOMPARE(bed->platform.ownClipboard, QString("the"));

        // What the box gives away is taken back by the next use of the mouse.
        box->selectAll();
        box->copy();
        bed->platform.ownClipboard = box->toPlainText();
        QWidget* viewport = box->viewport();
        QTest::mouseMove(viewport, QPoint(10, 10));
        QTest::mouseMove(viewport, QPoint(20, 12));
        QCOMPARE(bed->platform.ownClipboard, QString());
        QCOMPARE(bed->platform.clipboardClears, QList{ClipboardPart::Clipboard});

        // A box on the screen takes a new text at once.
        box->SetDescription("One\r\nTwo");
        QCOMPARE(box->toPlainText(), QString("One\nTwo"));
    }
};

QTEST_MAIN(TestResultWindow)
#include "test_result_window.moc"
