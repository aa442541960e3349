#include "about_window.h"
#include "birth_details_window.h"
#include "exit_promotion_window.h"
#include "link_label.h"
#include "program_look.h"
#include "result_window.h"
#include "value_label.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
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
        // However a window makes its links, each looks like one.
        if (const auto* link = qobject_cast<LinkLabel*>(widget))
            QVERIFY2(link->font().underline() && link->cursor().shape() == Qt::PointingHandCursor,
                     what);
    }
}

QByteArray Describe(QAccessibleInterface* accessible) {
    QObject* object = accessible->object();
    return QByteArray::number(accessible->role(), 16) + " " +
           (object ? QByteArray(object->metaObject()->className()) + " " +
                         object->objectName().toUtf8()
                   : QByteArray("(no object)")) +
           " \"" + accessible->text(QAccessible::Name).toUtf8() + "\"";
}

// Every object a screen reader can come to in the window's tree, hidden
// ones left out.
void CollectShown(QAccessibleInterface* accessible, QList<QAccessibleInterface*>& found) {
    for (int i = 0; i < accessible->childCount(); ++i) {
        QAccessibleInterface* child = accessible->child(i);
        if (!child || child->state().invisible)
            continue;
        found.append(child);
        CollectShown(child, found);
    }
}

// What a screen reader says for an object besides its value: its name where
// that is not just the value, the names of the objects that label it, and
// its description.
QStringList SpokenBesideValue(QAccessibleInterface* accessible) {
    QStringList spoken;
    const QString value = accessible->text(QAccessible::Value);
    const QString name = accessible->text(QAccessible::Name);
    if (!name.trimmed().isEmpty() && name != value)
        spoken << name;
    for (const auto& relation : accessible->relations(QAccessible::Label))
        spoken << relation.first->text(QAccessible::Name);
    const QString description = accessible->text(QAccessible::Description);
    if (!description.trimmed().isEmpty())
        spoken << description;
    spoken.removeAll(QString());
    return spoken;
}

QAccessibleInterface* Accessible(const QWidget& window, const QString& name) {
    return QAccessible::queryAccessibleInterface(Control<QWidget>(window, name));
}

QList<QWidget*> AllWindows(std::unique_ptr<frmAbout>& about) {
    WindowRegistry& windows = WindowRegistry::Instance();
    about = std::make_unique<frmAbout>(nullptr);
    return {&windows.Use<frmMain>(), &windows.Use<frmLuckyCarResult>(),
            &windows.Use<frmNagScreen2>(), about.get()};
}

} // namespace

class TestAccessibility : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyProgramLook(); }

    void everyReachableControlIsNamed() {
        std::unique_ptr<frmAbout> about;
        for (QWidget* window : AllWindows(about))
            VerifyReachableControlsAreNamed(window);
    }

    void linksAreLinksThatCanBePressed() {
        frmMain& window = Use<frmMain>();
        QAccessibleInterface* link = Accessible(window, "lblFullBrand");
        QVERIFY(link);
        QCOMPARE(link->role(), QAccessible::Link);
        QVERIFY(link->text(QAccessible::Name).startsWith("Home Business Opportunity."));
        QAccessibleActionInterface* action = link->actionInterface();
        QVERIFY(action);
        action->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(bed->platform.openedAddresses,
                 QStringList{"https://help.quillory.example/fully-branded.html"});

        QAccessibleInterface* button = Accessible(window, "cmdProceed");
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), QString("Get My Lucky Car Color"));
        QAccessibleInterface* name = Accessible(window, "txtName");
        QCOMPARE(name->role(), QAccessible::EditableText);
        QCOMPARE(name->text(QAccessible::Name), QString("Name"));
    }

    void valuesAndSwatchesSayWhatTheyShow() {
        auto* result = ReadingFromTheForm("Ann", 15, "March", "1900");
        QVERIFY(result);
        QAccessibleInterface* sign = Accessible(*result, "lblLuckyCar_Result4");
        QCOMPARE(sign->text(QAccessible::Name), QString("Sun Sign: Pisces"));
        QAccessibleInterface* kua = Accessible(*result, "lblLuckyCar_Result2");
        QCOMPARE(kua->text(QAccessible::Name), QString("Kua Number: 1"));
        QAccessibleInterface* swatch = Accessible(*result, "lblColorCode0");
        QCOMPARE(swatch->text(QAccessible::Name), QString("Yellow, red 255, green 255, blue 0"));
        QAccessibleInterface* tabs = Accessible(*result, "TS");
        QCOMPARE(tabs->role(), QAccessible::PageTabList);
        QStringList tabNames;
        for (int i = 0; i < tabs->childCount(); ++i) {
            if (tabs->child(i)->role() == QAccessible::PageTab)
                tabNames << tabs->child(i)->text(QAccessible::Name);
        }
        QCOMPARE(tabNames, (QStringList{"Result Based on Astrology", "Result Based on Feng Shui",
                                        "Result Based on the Five Elements"}));
    }

    void dateListsSayWhichPartOfTheBirthDayTheyAre() {
        frmMain& window = Use<frmMain>();
        for (const auto& [objectName, part, index, value] : {std::tuple{"cboDate", "day", 14, "15"},
                                                             {"cboMonth", "month", 2, "March"},
                                                             {"cboYear", "year", 75, "1975"}}) {
            auto* list = Control<QComboBox>(window, objectName);
            list->setCurrentIndex(index);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
            QVERIFY(accessible);
            QCOMPARE(accessible->role(), QAccessible::ComboBox);
            QCOMPARE(accessible->text(QAccessible::Value), QString(value));

            // The visible "Birth Day" label is the list's label, through the
            // relation screen readers follow, or the name where Qt uses that.
            QStringList labels;
            for (const auto& relation : accessible->relations(QAccessible::Label))
                labels << relation.first->text(QAccessible::Name);
            const QString name = accessible->text(QAccessible::Name);
            QVERIFY2(labels.contains("Birth Day") || name.startsWith("Birth Day"),
                     qPrintable(objectName + (": " + labels.join('|')) + " / " + name));
            // And it says which part of the date it is.
            QVERIFY2(accessible->text(QAccessible::Description) == part ||
                         name == QString("Birth Day, ") + part,
                     qPrintable(accessible->text(QAccessible::Description) + " / " + name));
        }

        // The label leads to the lists too.
        auto* label = Control<QLabel>(window, "Label2");
        QCOMPARE(label->text(), QString("Birth Day"));
        QVERIFY(label->buddy());
        QVERIFY(label->buddy()->isAncestorOf(Control<QComboBox>(window, "cboMonth")));
    }

    void noListIsAnnouncedOnlyByItsValue() {
        std::unique_ptr<frmAbout> about;
        int lists = 0;
        for (QWidget* window : AllWindows(about)) {
            for (QComboBox* list : window->findChildren<QComboBox*>()) {
                QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
                QVERIFY(accessible);
                QVERIFY2(!SpokenBesideValue(accessible).isEmpty(), Describe(accessible));
                ++lists;
            }
        }
        // The three birth date lists at least.
        QVERIFY(lists >= 3);

        // The check itself: a list with a name and nothing else is announced by
        // its value alone on Linux, where Qt names lists by their value.
        QWidget parent;
        auto* bare = new QComboBox(&parent);
        bare->addItems({"1", "2"});
        bare->setAccessibleName("Birth day");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(bare);
#ifdef Q_OS_LINUX
        QVERIFY(SpokenBesideValue(accessible).isEmpty());
#endif
        bare->setAccessibleDescription("day");
        QCOMPARE(SpokenBesideValue(accessible).last(), QString("day"));
    }

    void topLevelWindowsAreWindowsWithTheProgramTitle() {
        std::unique_ptr<frmAbout> about;
        for (QWidget* window : AllWindows(about)) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window);
            QVERIFY(accessible);
            const QAccessible::Role role = accessible->role();
            QVERIFY2(role == QAccessible::Window || role == QAccessible::Dialog,
                     Describe(accessible));
            QCOMPARE(accessible->text(QAccessible::Name), QString("Korvane v1.0"));
        }
        // The exit promotion window is a window of its own, not a dialog.
        QAccessibleInterface* exitWindow =
            QAccessible::queryAccessibleInterface(Find<frmNagScreen2>());
        QCOMPARE(exitWindow->role(), QAccessible::Window);
        // Pop-ups keep the roles Qt gives them.
        frmMain& main = Use<frmMain>();
        QWidget* popup = main.findChild<QComboBox*>("cboMonth")->view()->window();
        QVERIFY(popup != &main);
        QVERIFY(QAccessible::queryAccessibleInterface(popup)->role() != QAccessible::Window);
    }

    void everyShownObjectHasAName() {
        std::unique_ptr<frmAbout> about;
        for (QWidget* window : AllWindows(about)) {
            window->show();
            QList<QAccessibleInterface*> shown;
            CollectShown(QAccessible::queryAccessibleInterface(window), shown);
            QVERIFY(shown.size() > 5);
            QStringList unnamed;
            for (QAccessibleInterface* accessible : shown) {
                if (accessible->role() == QAccessible::Separator)
                    continue;
                if (accessible->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << QString::fromUtf8(Describe(accessible));
            }
            QVERIFY2(unnamed.isEmpty(),
                     qPrintable(window->objectName() + ": " + unnamed.join(QStringLiteral("; "))));
            window->hide();
        }

        // Scroll bars say what they scroll.
        auto* description = Control<QPlainTextEdit>(*Find<frmLuckyCarResult>(), "txtSunSign_Desc");
        QAccessibleInterface* bar =
            QAccessible::queryAccessibleInterface(description->verticalScrollBar());
        QCOMPARE(bar->role(), QAccessible::ScrollBar);
        QVERIFY2(bar->text(QAccessible::Name).contains("sun sign", Qt::CaseInsensitive),
                 qPrintable(bar->text(QAccessible::Name)));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_app_accessibility.moc"
