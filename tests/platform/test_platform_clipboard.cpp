// The clipboard on a real X server: the platform owns and clears only its
// own text, and the sign text box's guard takes back what was copied out of
// it while it never touches what another program copied.

#include "platform.h"
#include "qt_platform.h"
#include "sun_sign_text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QProcess>
#include <QTest>
#include <QTextCursor>

using korvane::ClipboardPart;
using korvane::QtPlatform;
using korvane::SunSignTextBox;

namespace {

constexpr int kWaitMs = 5000;

const QString kDescription =
    QStringLiteral("First paragraph about the sign.\r\n\r\nSecond paragraph, in the box.");
// kDescription as a text box shows it, and as copying it out gives it back.
const QString kShown =
    QStringLiteral("First paragraph about the sign.\n\nSecond paragraph, in the box.");

QClipboard* Board() {
    return QGuiApplication::clipboard();
}

bool Owns(QClipboard::Mode mode) {
    return mode == QClipboard::Selection ? Board()->ownsSelection() : Board()->ownsClipboard();
}

QClipboard::Mode OtherMode(QClipboard::Mode mode) {
    return mode == QClipboard::Selection ? QClipboard::Clipboard : QClipboard::Selection;
}

ClipboardPart PartOf(QClipboard::Mode mode) {
    return mode == QClipboard::Selection ? ClipboardPart::Selection : ClipboardPart::Clipboard;
}

// The Qt platform, counting how often the guard looked at the clipboard: a
// test that expects the guard to leave the clipboard alone waits until the
// guard has looked, and so has decided, instead of waiting a while.
class WatchedPlatform : public QtPlatform {
public:
    WatchedPlatform() { korvane::SetPlatform(this); }
    ~WatchedPlatform() override { korvane::SetPlatform(nullptr); }
    std::optional<QString> OwnClipboardText(ClipboardPart part) override {
        ++looks;
        return QtPlatform::OwnClipboardText(part);
    }
    int looks = 0;
};

// Another program on the display that owns the clipboard or the selection.
class OtherProgram {
public:
    ~OtherProgram() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kWaitMs);
        }
    }

    // Starts it and waits until it has taken the clipboard and this program
    // has seen it do so.
    bool Copy(QClipboard::Mode mode, const QString& text) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(HELPER_PATH),
                       {mode == QClipboard::Selection ? QStringLiteral("selection")
                                                      : QStringLiteral("clipboard"),
                        text});
        if (!process_.waitForStarted(kWaitMs))
            return false;
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(kWaitMs))
                return false;
        }
        if (process_.readLine().trimmed() != "ready")
            return false;
        return QTest::qWaitFor([&] { return !Owns(mode) && Board()->text(mode) == text; }, kWaitMs);
    }

private:
    QProcess process_;
};

// Another reading's description, sharing nothing with kDescription.
const QString kLaterDescription =
    QStringLiteral("Later reading: a sign of water.\r\n\r\nIts colour is sea green.");

// Which kinds of mouse use the text box answers with the guard.
enum class Trigger { MouseMove, MousePress, NewDescription };

// Counts the mouse moves that reach a widget.
class MoveCounter : public QObject {
public:
    explicit MoveCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove)
            ++moves;
        return false;
    }
    int moves = 0;
};

// Moves the mouse, with no button held, to a place over the widget where it
// has not been before in this run, and answers where. The move goes through
// the X server: Qt merges moves that queue up into the last one and drops a
// move to where the mouse was last seen, so moving back to an earlier place
// may reach the widget as no move at all.
std::optional<QPoint> MoveToNewPlace(QWidget* widget) {
    static QList<QPoint> visited;
    visited.append(QCursor::pos());
    for (QPoint place(10, 10); widget->rect().contains(place); place += QPoint(7, 3)) {
        const QPoint onScreen = widget->mapToGlobal(place);
        if (visited.contains(onScreen))
            continue;
        visited.append(onScreen);
        QTest::mouseMove(widget, place);
        return place;
    }
    return std::nullopt;
}

} // namespace

class ClipboardGuardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(Board()->supportsSelection(), "needs an X server with a primary selection");
    }

    void cleanup() {
        if (Board()->ownsClipboard())
            Board()->clear(QClipboard::Clipboard);
        if (Board()->ownsSelection())
            Board()->clear(QClipboard::Selection);
        QCoreApplication::processEvents();
    }

    void ownTextIsOwnedAndCleared_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("clipboard") << int(QClipboard::Clipboard);
        QTest::newRow("selection") << int(QClipboard::Selection);
    }

    void ownTextIsOwnedAndCleared() {
        QFETCH(int, mode);
        const auto checked = QClipboard::Mode(mode);
        const auto other = OtherMode(checked);
        const QString unrelated = QStringLiteral("Unrelated text");
        Board()->setText(unrelated, other);
        Board()->setText(kShown, checked);

        QtPlatform platform;
        QCOMPARE(platform.OwnClipboardText(PartOf(checked)), std::optional(kShown));
        platform.ClearClipboard(PartOf(checked));
        QCOMPARE(Board()->text(checked), QString());
        QVERIFY(!Owns(checked));
        QCOMPARE(platform.OwnClipboardText(PartOf(checked)), std::nullopt);
        // The other one is still ours and untouched.
        QCOMPARE(platform.OwnClipboardText(PartOf(other)), std::optional(unrelated));
    }

    void anotherProgramsTextIsNotOwn_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("copiedBefore");
        QTest::newRow("clipboard") << int(QClipboard::Clipboard) << false;
        QTest::newRow("selection") << int(QClipboard::Selection) << false;
        // This program's copy of the very same text was taken over.
        QTest::newRow("clipboard, same text copied here before")
            << int(QClipboard::Clipboard) << true;
        QTest::newRow("selection, same text copied here before")
            << int(QClipboard::Selection) << true;
    }

    void anotherProgramsTextIsNotOwn() {
        QFETCH(int, mode);
        QFETCH(bool, copiedBefore);
        const auto checked = QClipboard::Mode(mode);
        const QString theirs = QStringLiteral("Second paragraph, in the box.");

        if (copiedBefore) {
            Board()->setText(theirs, checked);
            QVERIFY(Owns(checked));
        }
        OtherProgram other;
        QVERIFY2(other.Copy(checked, theirs), "the other program did not take the clipboard");
        QCOMPARE(QtPlatform().OwnClipboardText(PartOf(checked)), std::nullopt);
    }

    void textBoxTakesBackWhatWasCopiedFromIt_data() {
        QTest::addColumn<Trigger>("trigger");
        QTest::addColumn<bool>("otherProgramCopied");
        QTest::newRow("mouse move, copied here") << Trigger::MouseMove << false;
        QTest::newRow("mouse press, copied here") << Trigger::MousePress << false;
        QTest::newRow("new description, copied here") << Trigger::NewDescription << false;
        QTest::newRow("mouse move, copied by another program") << Trigger::MouseMove << true;
        QTest::newRow("mouse press, copied by another program") << Trigger::MousePress << true;
        QTest::newRow("new description, copied by another program")
            << Trigger::NewDescription << true;
    }

    void textBoxTakesBackWhatWasCopiedFromIt() {
        QFETCH(Trigger, trigger);
        QFETCH(bool, otherProgramCopied);

        SunSignTextBox box(nullptr);
        box.resize(400, 300);
        box.SetDescription(kDescription);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.toPlainText(), kShown);

        OtherProgram other;
        const QString theirs = QStringLiteral("Second paragraph, in the box.");
        if (otherProgramCopied) {
            QVERIFY2(other.Copy(QClipboard::Clipboard, theirs),
                     "the other program did not take the clipboard");
        } else {
            box.selectAll();
            box.copy();
            QVERIFY(Board()->ownsClipboard());
            QCOMPARE(Board()->text(), kShown);
        }
        const QString before = Board()->text();
        QWidget* viewport = box.viewport();
        const MoveCounter arrived(viewport);
        const int looksBefore = platform_.looks;

        // How many times the guard has had its say; each time it looks at
        // the clipboard and the selection.
        int guards = 0;
        switch (trigger) {
        case Trigger::MouseMove:
            // No button held: the box sees these only because it tracks the
            // mouse. Qt may merge the two; wait until one arrives.
            QVERIFY(MoveToNewPlace(viewport));
            QVERIFY(MoveToNewPlace(viewport));
            QTRY_VERIFY_WITH_TIMEOUT(arrived.moves > 0, kWaitMs);
            guards = arrived.moves;
            break;
        case Trigger::MousePress:
            // Sent straight to the box; the release guards once the box has
            // handled it, by a call posted for later.
            QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(30, 30));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(30, 30));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
            guards = 2;
            break;
        case Trigger::NewDescription:
            box.SetDescription(kDescription + QStringLiteral("\r\n\r\nThird paragraph."));
            guards = 1;
            break;
        }

        // The guard has decided by now, at once: no waiting for a clipboard
        // that is emptied late.
        QCOMPARE(platform_.looks, looksBefore + 2 * guards);
        // Another program's copy stays; this program's own is gone.
        QCOMPARE(Board()->text(), otherProgramCopied ? before : QString());
        QVERIFY(!Board()->ownsClipboard());
    }

    void copiesFromEarlierReadingsAreTakenBack_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("copiedWithKeys");
        QTest::newRow("clipboard, Ctrl+C in the box") << int(QClipboard::Clipboard) << true;
        QTest::newRow("clipboard") << int(QClipboard::Clipboard) << false;
        QTest::newRow("selection") << int(QClipboard::Selection) << false;
    }

    // Each reading has a result window of its own: the text copied from the
    // first reading's box is gone from the screen when the second one shows.
    void copiesFromEarlierReadingsAreTakenBack() {
        QFETCH(int, mode);
        QFETCH(bool, copiedWithKeys);
        const auto checked = QClipboard::Mode(mode);

        // A paragraph no earlier test has shown, so that only this first box
        // can have made it the program's own.
        const QString paragraph =
            QStringLiteral("Row %1 only.").arg(QString::fromLatin1(QTest::currentDataTag()));
        QString copied = paragraph;
        {
            SunSignTextBox first(nullptr);
            first.resize(400, 300);
            first.SetDescription(kDescription + QStringLiteral("\r\n\r\n") + paragraph);
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            if (copiedWithKeys) {
                first.setFocus();
                QTest::keyClick(&first, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(&first, Qt::Key_C, Qt::ControlModifier);
                copied = kShown + QStringLiteral("\n\n") + paragraph;
            } else {
                Board()->setText(copied, checked);
            }
            QVERIFY(Owns(checked));
            QCOMPARE(Board()->text(checked), copied);
        }

        // The next reading writes its own description into a new box.
        SunSignTextBox second(nullptr);
        QCOMPARE(Board()->text(checked), copied);
        second.SetDescription(kLaterDescription);
        QTRY_COMPARE_WITH_TIMEOUT(Board()->text(checked), QString(), kWaitMs);
        QVERIFY(!Owns(checked));
    }

    void earlierReadingsNeverReachAnotherProgramsCopy() {
        {
            SunSignTextBox first(nullptr);
            first.SetDescription(kDescription);
        }
        // What another program copied is left alone, even when it is the
        // very text an earlier reading showed.
        OtherProgram other;
        const QString theirs = QStringLiteral("Second paragraph, in the box.");
        QVERIFY2(other.Copy(QClipboard::Clipboard, theirs),
                 "the other program did not take the clipboard");
        // A box not shown yet guards a new text at once.
        SunSignTextBox second(nullptr);
        int looksBefore = platform_.looks;
        second.SetDescription(kLaterDescription);
        second.SetDescription(kDescription);
        QCOMPARE(platform_.looks, looksBefore + 4);
        QCOMPARE(Board()->text(), theirs);
        QVERIFY(!Board()->ownsClipboard());

        // And this program's own text that no reading showed stays too.
        Board()->setText(QStringLiteral("Ann Lee"));
        looksBefore = platform_.looks;
        second.SetDescription(kLaterDescription + QStringLiteral(" Again."));
        QCOMPARE(platform_.looks, looksBefore + 2);
        QCOMPARE(Board()->text(), QStringLiteral("Ann Lee"));
        QVERIFY(Board()->ownsClipboard());
    }

    void selectingWithMouseLeavesNothingInSelection_data() {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("drag over text") << false;
        QTest::newRow("double click on a word") << true;
    }

    void selectingWithMouseLeavesNothingInSelection() {
        QFETCH(bool, doubleClick);

        SunSignTextBox box(nullptr);
        box.resize(400, 300);
        box.SetDescription(kDescription);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));

        // Everything the selection held, as it changed.
        QStringList held;
        connect(Board(), &QClipboard::selectionChanged, &box,
                [&] { held.append(Board()->text(QClipboard::Selection)); });

        QWidget* viewport = box.viewport();
        const QRect firstLine = box.cursorRect(QTextCursor(box.document()));
        const QPoint start(firstLine.left() + 2, firstLine.center().y());
        const QPoint inWord(start.x() + 10, start.y());
        const QPoint end(start.x() + 150, start.y());
        if (doubleClick) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, inWord);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, inWord);
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, inWord);
        } else {
            QTest::mousePress(viewport, Qt::LeftButton, {}, start);
            QTest::mouseMove(viewport, end);
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, end);
        }

        const QString selected = box.textCursor().selectedText();
        QVERIFY2(selected.size() > 2, qPrintable(selected));
        QVERIFY2(kShown.contains(selected), qPrintable(selected));
        // It did reach the selection, and was taken back after that.
        QTRY_VERIFY_WITH_TIMEOUT(held.contains(selected), kWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(Board()->text(QClipboard::Selection), QString(), kWaitMs);
        QVERIFY(!Board()->ownsSelection());
    }

private:
    WatchedPlatform platform_;
};

QTEST_MAIN(ClipboardGuardTest)

#include "test_platform_clipboard.moc"
