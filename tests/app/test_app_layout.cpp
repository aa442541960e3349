#include "about_window.h"
#include "birth_details_window.h"
#include "catalogue.h"
#include "colour_catalogue.h"
#include "exit_promotion_window.h"
#include "link_label.h"
#include "look.h"
#include "month_names.h"
#include "result_window.h"
#include "shown_text.h"
#include "startup.h"
#include "support_texts.h"
#include "value_label.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace korvane;

namespace {

// The controls of a window that show a text of their own: labels, buttons,
// option buttons and tab bars (swatches have no text). Hidden ones show
// nothing, nor does one placed wholly outside its parent ("Save").
QList<QWidget*> TextControls(QWidget* window) {
    QList<QWidget*> found;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        if (!control->isHidden() &&
            control->parentWidget()->rect().intersects(control->geometry()) &&
            ((label && !label->text().isEmpty()) || qobject_cast<QAbstractButton*>(control) ||
             qobject_cast<QTabBar*>(control)))
            found.append(control);
    }
    return found;
}

// Where a control's text is drawn, in its parent: a label's within its
// rectangle as aligned and wrapped; a button's is the button.
QRect TextRect(QWidget* control) {
    const auto* label = qobject_cast<QLabel*>(control);
    if (!label)
        return control->geometry();
    const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return QFontMetrics(label->font())
        .boundingRect(label->contentsRect(), flags, label->text())
        .translated(label->pos())
        .intersected(label->geometry());
}

// Every text of a window shows whole inside its own rectangle, which lies
// inside its parent, and no two texts of one parent overlap (but for the
// offers, which share a rectangle and show one at a time).
void VerifyTextsFit(QWidget* window) {
    const QList<QWidget*> controls = TextControls(window);
    for (QWidget* control : controls) {
        const QByteArray what =
            window->objectName().toUtf8() + ": " + control->objectName().toUtf8();
        QVERIFY2(TextFits(control), what);
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), what);
        for (QWidget* other : controls) {
            if (other != control && other->parentWidget() == control->parentWidget() &&
                other->geometry() != control->geometry())
                QVERIFY2(!TextRect(other).intersects(TextRect(control)),
                         what + " and " + other->objectName().toUtf8());
        }
    }
}

// Every text a window shows: its controls', its frames' and its menus'.
QStringList ShownTexts(QWidget* window) {
    QStringList texts;
    for (QWidget* control : TextControls(window)) {
        if (auto* label = qobject_cast<QLabel*>(control))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            texts << button->text();
        else if (auto* bar = qobject_cast<QTabBar*>(control))
            for (int i = 0; i < bar->count(); ++i)
                texts << bar->tabText(i);
    }
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        texts << frame->title();
    for (QAction* action : window->findChildren<QAction*>())
        if (action->isVisible())
            texts << action->text();
    texts.removeAll(QString());
    return texts;
}

// The English texts that the window's language translates: none may show.
QSet<QString> UntranslatedEnglish() {
    QSet<QString> english;
    for (int id = 0; id < kTextCount; ++id) {
        const auto text = static_cast<TextId>(id);
        if (Text(text, ShownCatalogue()) != EnglishText(text))
            english.insert(QString::fromUtf8(EnglishText(text)));
    }
    return english;
}

void VerifyInTheLanguage(QWidget* window) {
    if (ShownCatalogue() == kEnglish)
        return;
    static const QSet<QString> english = UntranslatedEnglish();
    const bool chinese = Catalogues()[ShownCatalogue()].code.starts_with("zh");
    static const QRegularExpression names(QStringLiteral("Korvane|Quillory|Softwares"));
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{3,}"));
    for (const QString& text : ShownTexts(window)) {
        const QByteArray what = window->objectName().toUtf8() + ": " + text.toUtf8();
        QVERIFY2(!english.contains(text), what);
        // Chinese shows no Latin word but the names.
        if (chinese)
            QVERIFY2(!QString(text).remove(names).contains(latinWord), what);
    }
}

// What a screen reader is told (the names and descriptions the program
// gives): no design placeholder, and where the language joins names and
// values in its own way ("，" and "：" in Chinese), no English joiner.
void VerifySpokenInTheLanguage(QWidget* window) {
    QStringList joiners;
    for (const TextId pattern : {TextId::SeparatorList, TextId::ValueSpoken})
        if (Text(pattern, ShownCatalogue()) != EnglishText(pattern))
            joiners << QString::fromUtf8(EnglishText(pattern)).remove("%1").remove("%2");
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        for (const QString& text : {widget->accessibleName(), widget->accessibleDescription()}) {
            QVERIFY2(!text.contains("Label1"), qPrintable(text));
            for (const QString& joiner : joiners)
                QVERIFY2(!text.contains(joiner), qPrintable(text));
        }
    }
}

} // namespace

class TestLayout : public WindowTest {
    Q_OBJECT
private slots:
    // The test runs once for each language: the program's own choice from
    // the environment (LANGUAGE) sets it.
    void initTestCase() { UseUsersLanguage(); }

    // First, while no paint of this process has started Qt's worker threads.
    void drawingTheBirthDetailsWindowStartsNoThreads() {
#ifdef Q_OS_LINUX
        frmMain& window = Shown<frmMain>();
        if (window.devicePixelRatioF() != 1)
            QSKIP("the frame's bands at twice the pixels are test_ui_frame_group's");
        const QStringList before = PooledThreads();
        QVERIFY(!window.grab().toImage().isNull());
        QCOMPARE(PooledThreads(), before);
#else
        QSKIP("threads are counted through /proc");
#endif
    }

    void birthDetailsTextsFit() {
        frmMain& window = Shown<frmMain>();
        VerifyTextsFit(&window);
        window.BringCoBrandToFront(true);
        VerifyTextsFit(&window);
    }

    void resultTextsFitForEveryReading() {
        // One reading per month and half: every colour and every sign shows;
        // then a year of each element, a woman's and a man's Kua 5, and a
        // birth on the day of Li Chun, with the longest lines.
        using Birth = std::tuple<int, int, const char*, bool>; // day, month, year, male
        QList<Birth> births = {{1, 3, "1985", true}, {1, 3, "1987", true},  {1, 3, "1988", true},
                               {1, 3, "1975", true}, {1, 3, "1990", false}, {1, 3, "1995", true},
                               {4, 2, "1975", false}};
        for (int month = 1; month <= 12; ++month)
            births << Birth{1, month, "1900", true} << Birth{28, month, "1900", true};
        for (const auto& [day, monthNumber, year, male] : births) {
            const QString month = QString::fromUtf8(EnglishText(kMonthTextIds[monthNumber - 1]));
            auto* result = ReadingFromTheForm("Ann", day, month, year, male);
            QVERIFY(result);
            VerifyTextsFit(result);
            // The car colour's name never runs into its swatch.
            QVERIFY(Control<QLabel>(*result, "lblLuckyCar_Result0")->geometry().right() <
                    Control<Swatch>(*result, "lblColorCode0")->geometry().left());
            QTest::mouseClick(Control<QPushButton>(*result, "cmdBack"), Qt::LeftButton);
            Settle();
        }
    }

    void exitWindowTextsFitForEverySupportText() {
        frmNagScreen2& window = Shown<frmNagScreen2>();
        for (const QString& text : SupportTexts()) {
            Control<QLabel>(window, "Label2")->setFont(ProgramFont(8.25, true));
            Control<QLabel>(window, "Label2")->setText(text);
            ShrinkFontToFit(Control<QLabel>(window, "Label2"));
            VerifyTextsFit(&window);
        }
    }

    // As the windows are made: the result window before a reading too.
    void spokenInTheLanguage() {
        VerifySpokenInTheLanguage(&Use<frmMain>());
        VerifySpokenInTheLanguage(&Use<frmLuckyCarResult>());
    }

    void aboutWindowLayoutAndTexts() {
        frmMain& opener = Shown<frmMain>();
        frmAbout about(&opener);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(Control<QLabel>(about, "Label1")->text(), ShownText(TextId::AboutDescription));
        QCOMPARE(Control<QLabel>(about, "Label2")->text(), QString("Korvane v1.0"));
        QVERIFY(Control<QPushButton>(about, "cmdOK")->isDefault());
        QVERIFY(about.windowFlags().testFlag(Qt::Dialog));
        QCOMPARE(about.windowModality(), Qt::ApplicationModal);
        VerifyTextsFit(&about);
        VerifyInTheLanguage(&about);
        QVERIFY(!Control<QLabel>(about, "picIcon")->pixmap().isNull());
    }

    void aboutWindowClosesWithEnterEscapeAndOk_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("OK clicked") << 0;
        QTest::newRow("close box") << -1;
    }

    void aboutWindowClosesWithEnterEscapeAndOk() {
        QFETCH(int, key);
        frmMain& opener = Shown<frmMain>();
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
        QVERIFY(Find<frmMain>());
        QCOMPARE(VisibleWindowNames(), QStringList{"frmMain"});
    }

    void aboutLinksKeepItOpen() {
        frmAbout about(nullptr);
        about.show();
        QTest::mouseClick(Control<LinkLabel>(about, "lblHomePage"), Qt::LeftButton);
        QTest::mouseClick(Control<LinkLabel>(about, "lblCobrand"), Qt::LeftButton);
        QVERIFY(about.isVisible());
        QCOMPARE(bed->platform.openedAddresses,
                 (QStringList{"https://www.quillory.example/",
                              "https://help.quillory.example/fully-branded.html"}));
    }

    // Male, 15 March 1975 in the language the environment names: the reading of
    // every language (Kua 7, the same swatches), in its words, and no window
    // shows English that the language translates.
    void readingInTheUsersLanguage() {
        QCOMPARE(QString::fromUtf8(Catalogues()[ShownCatalogue()].code),
                 QString::fromLocal8Bit(qgetenv("KORVANE_TEST_CATALOGUE")));
        // Qt's own words (a text box's menu) too, where Qt has the language.
        const QString code = QString::fromUtf8(Catalogues()[ShownCatalogue()].code);
        if (code != "en" && QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                          "/qtbase_" + code + ".qm"))
            QVERIFY(QCoreApplication::translate("QLineEdit", "&Copy") != "&Copy");
        frmMain& window = Shown<frmMain>();
        VerifyInTheLanguage(&window);
        auto* result = ReadingFromTheForm("Ann", 15, "March", "1975");
        QVERIFY(result);
        QCOMPARE(
            LabelTexts(*result,
                       {"lblLuckyCar_Result2", "lblLuckyCar_Result4", "lblLuckyCar_Result0"}),
            (QStringList{"7", ShownText(TextId::SignPisces), ShownText(TextId::ColourYellow)}));
        QCOMPARE(SwatchColours(*result),
                 (QStringList{"#ffff00", "#ffffff", "#ff7850", "#ffc896", "#ffd700"}));
        VerifyInTheLanguage(result);
        VerifySpokenInTheLanguage(result);
        auto& exitWindow = Shown<frmNagScreen2>();
        VerifyInTheLanguage(&exitWindow);
    }
};

QTEST_MAIN(TestLayout)
#include "test_app_layout.moc"
