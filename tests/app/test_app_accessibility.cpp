#include "about_window.h"
#include "birth_details_window.h"
#include "exit_promotion_window.h"
#include "link_label.h"
#include "result_window.h"
#include "value_label.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace korvane;

namespace {

// Every control a person can reach with the keyboard says what it is and
// what it is called.
void VerifyReachableControlsAreNamed(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isVisibleTo(window))
            continue;
        if (widget->focusProxy())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        const QByteArray what = window->objectName().toUtf8() + "/" +
                                widget->metaObject()->className() + " " +
                                widget->objectName().toUtf8();
        QVERIFY2(accessible, what);
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(), what);
        const QAccessible::Role role = accessible->role();
        QVERIFY2(role != QAccessible::NoRole && role != QAccessible::Client, what);
    }
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyReachableControlIsNamed();
    void linksAreLinksThatCanBePressed();
    void valuesAndSwatchesSayWhatTheyShow();

private:
    std::unique_ptr<WindowTestBed> bed;
};

void TestAccessibility::init() {
    bed = std::make_unique<WindowTestBed>();
}

void TestAccessibility::cleanup() {
    bed.reset();
}

void TestAccessibility::everyReachableControlIsNamed() {
    WindowRegistry& windows = WindowRegistry::Instance();
    VerifyReachableControlsAreNamed(&windows.Use<frmMain>());
    VerifyReachableControlsAreNamed(&windows.Use<frmLuckyCarResult>());
    VerifyReachableControlsAreNamed(&windows.Use<frmNagScreen2>());
    frmAbout about(nullptr);
    VerifyReachableControlsAreNamed(&about);
}

void TestAccessibility::linksAreLinksThatCanBePressed() {
    frmMain& window = WindowRegistry::Instance().Use<frmMain>();
    QAccessibleInterface* link =
        QAccessible::queryAccessibleInterface(Control<LinkLabel>(window, "lblFullBrand"));
    QVERIFY(link);
    QCOMPARE(link->role(), QAccessible::Link);
    QVERIFY(link->text(QAccessible::Name).startsWith("Home Business Opportunity."));
    QAccessibleActionInterface* action = link->actionInterface();
    QVERIFY(action);
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(bed->platform.openedAddresses,
             QStringList{"https://help.quillory.example/fully-branded.html"});

    QAccessibleInterface* button =
        QAccessible::queryAccessibleInterface(Control<QPushButton>(window, "cmdProceed"));
    QCOMPARE(button->role(), QAccessible::Button);
    QCOMPARE(button->text(QAccessible::Name), QString("Get My Lucky Car Color"));
    QAccessibleInterface* name =
        QAccessible::queryAccessibleInterface(Control<QLineEdit>(window, "txtName"));
    QCOMPARE(name->role(), QAccessible::EditableText);
    QCOMPARE(name->text(QAccessible::Name), QString("Name"));
}

void TestAccessibility::valuesAndSwatchesSayWhatTheyShow() {
    frmMain& window = WindowRegistry::Instance().Use<frmMain>();
    Control<QLineEdit>(window, "txtName")->setText("Ann");
    Control<QComboBox>(window, "cboMonth")->setCurrentIndex(2);
    Control<QComboBox>(window, "cboDate")->setCurrentIndex(14);
    QTest::mouseClick(Control<QPushButton>(window, "cmdProceed"), Qt::LeftButton);
    Settle();
    auto* result = WindowRegistry::Instance().Find<frmLuckyCarResult>();
    QVERIFY(result);
    QAccessibleInterface* sign =
        QAccessible::queryAccessibleInterface(Control<QLabel>(*result, "lblLuckyCar_Result4"));
    QCOMPARE(sign->text(QAccessible::Name), QString("Sun Sign: Pisces"));
    QAccessibleInterface* kua =
        QAccessible::queryAccessibleInterface(Control<QLabel>(*result, "lblLuckyCar_Result2"));
    QCOMPARE(kua->text(QAccessible::Name), QString("Kua Number: 1"));
    QAccessibleInterface* swatch =
        QAccessible::queryAccessibleInterface(Control<Swatch>(*result, "lblColorCode0"));
    QCOMPARE(swatch->text(QAccessible::Name), QString("Yellow, red 255, green 255, blue 0"));
    QAccessibleInterface* tabs =
        QAccessible::queryAccessibleInterface(Control<QTabBar>(*result, "TS"));
    QCOMPARE(tabs->role(), QAccessible::PageTabList);
    QStringList tabNames;
    for (int i = 0; i < tabs->childCount(); ++i) {
        if (tabs->child(i)->role() == QAccessible::PageTab)
            tabNames << tabs->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(tabNames, (QStringList{"Result Based on Astrology", "Result Based on Feng Shui"}));
}

QTEST_MAIN(TestAccessibility)
#include "test_app_accessibility.moc"
