// The clipboard on a real X server: the platform owns and clears only its
// own text, and the sign text box's guard takes back what was copied out of
// a box, through the real ways a box gives text away, while a name copied
// from another box and what another program copied stay. Which held texts
// the guard takes back is test_result_clipboard_guard's table.

#include "platform.h"
#include "qt_platform.h"
#include "sun_sign_text_box.h"
#include "table_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTextCursor>

#include <memory>

using korvane::ClipboardPart;
using korvane::QtPlatform;
using korvane::SunSignTextBox;

namespace {

constexpr int kWaitMs = 5000;

const QString kDescription =
    QStringLiteral("Leo, first paragraph about the sign.\r\n\r\nSecond paragraph, in the box.");
// kDescription as a text box shows it, and as copying it out gives it back.
const QString kShown =
    QStringLiteral("Leo, first paragraph about the sign.\n\nSecond paragraph, in the box.");

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

// Where the text on the clipboard came from.
enum class Source { CopiedFromTheBox, NameBox, OtherProgram };
// What makes the guard look.
enum class Trigger { MouseMove, MousePress, NextReading };

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

    void ownTextIsOwnedAndCleared() {
        for (const auto checked : {QClipboard::Clipboard, QClipboard::Selection}) {
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
    }

    // Also when this program's copy of the very same text was taken over.
    void anotherProgramsTextIsNotOwn() {
        const QString theirs = QStringLiteral("Second paragraph, in the box.");
        for (const auto checked : {QClipboard::Clipboard, QClipboard::Selection}) {
            for (const bool copiedBefore : {false, true}) {
                if (copiedBefore) {
                    Board()->setText(theirs, checked);
                    QVERIFY(Owns(checked));
                }
                OtherProgram other;
                QVERIFY2(other.Copy(checked, theirs),
                         "the other program did not take the clipboard");
                QCOMPARE(QtPlatform().OwnClipboardText(PartOf(checked)), std::nullopt);
            }
        }
    }

    void boxTakesBackOnlyItsOwnCopy_data() {
        Columns<Source, Trigger, bool>("source", "trigger", "cleared");
        Row("Ctrl+C in the box, mouse move", Source::CopiedFromTheBox, Trigger::MouseMove, true);
        Row("Ctrl+C in the box, mouse press", Source::CopiedFromTheBox, Trigger::MousePress, true);
        Row("Ctrl+C in the box, next reading", Source::CopiedFromTheBox, Trigger::NextReading,
            true);
        Row("name box, next reading", Source::NameBox, Trigger::NextReading, false);
        Row("name box, mouse move", Source::NameBox, Trigger::MouseMove, false);
        Row("another program, mouse move", Source::OtherProgram, Trigger::MouseMove, false);
        Row("another program, next reading", Source::OtherProgram, Trigger::NextReading, false);
    }

    void boxTakesBackOnlyItsOwnCopy() {
        const auto [source, trigger, cleared] =
            Fetch<Source, Trigger, bool>("source", "trigger", "cleared");

        auto box = std::make_unique<SunSignTextBox>(nullptr);
        box->resize(400, 300);
        box->SetDescription(kDescription);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->toPlainText(), kShown);

        OtherProgram other;
        QLineEdit nameBox;
        switch (source) {
        case Source::CopiedFromTheBox:
            box->setFocus();
            QTest::keyClick(box.get(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box.get(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(Board()->text(), kShown);
            break;
        case Source::NameBox:
            // "Leo" is part of the sign text as well.
            nameBox.setText(QStringLiteral("Leo"));
            nameBox.selectAll();
            nameBox.copy();
            break;
        case Source::OtherProgram:
            QVERIFY2(other.Copy(QClipboard::Clipboard, QStringLiteral("in the box")),
                     "the other program did not take the clipboard");
            break;
        }
        QCOMPARE(Board()->ownsClipboard(), source != Source::OtherProgram);
        const QString before = Board()->text();

        QWidget* viewport = box->viewport();
        const MoveCounter arrived(viewport);
        switch (trigger) {
        case Trigger::MouseMove:
            // No button held: the box sees these only because it tracks the
            // mouse. Qt may merge the two; the guard has looked once one
            // has arrived.
            QVERIFY(MoveToNewPlace(viewport));
            QVERIFY(MoveToNewPlace(viewport));
            QTRY_VERIFY_WITH_TIMEOUT(arrived.moves > 0, kWaitMs);
            break;
        case Trigger::MousePress:
            // Sent straight to the box; the release guards once the box has
            // handled it, by a call posted for later.
            QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(30, 30));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(30, 30));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
            break;
        case Trigger::NextReading:
            // Each reading has a box of its own; the new one, not shown yet,
            // guards as its text is written.
            box.reset();
            SunSignTextBox next(nullptr);
            next.SetDescription(kDescription + QStringLiteral(" Another reading."));
            break;
        }

        // Decided at once: no waiting for a clipboard that is emptied late.
        QCOMPARE(Board()->text(), cleared ? QString() : before);
        QCOMPARE(Board()->ownsClipboard(), source != Source::OtherProgram && !cleared);
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
};

QTEST_MAIN(ClipboardGuardTest)

#include "test_platform_clipboard.moc"
