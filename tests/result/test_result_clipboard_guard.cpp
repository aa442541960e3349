// What the clipboard guard takes back, against the recording platform: only
// what a sign text box gave away, and only while the program holds it.
#include "clipboard_guard.h"
#include "recording_platform.h"
#include "table_rows.h"

#include <QTest>

using namespace korvane;

namespace {

const QString kShown =
    QStringLiteral("First paragraph about the sign.\n\nSecond paragraph, in the box.");
const QString kOurs = QStringLiteral("Unrelated text of ours");

} // namespace

class TestResultClipboardGuard : public QObject {
    Q_OBJECT
private slots:
    void takesBackOnlyWhatTheBoxGaveAway_data() {
        // An empty givenAway: the box gave nothing.
        Columns<QString, QString, bool>("givenAway", "held", "cleared");
        Row("the copy", kShown, kShown, true);
        Row("a few words", "about the", "about the", true);
        Row("CR LF copy of an LF text", kShown, QString(kShown).replace("\n", "\r\n"), true);
        Row("paragraph separators", "sign.\n\nSecond",
            QStringLiteral("sign.") + QChar(QChar::ParagraphSeparator) +
                QChar(QChar::ParagraphSeparator) + QStringLiteral("Second"),
            true);
        // A word of the sign text the user copied elsewhere, a typed name.
        Row("name from the name box", "", "Leo", false);
        Row("part of what was given", kShown, "about the", false);
        Row("more than was given", "about the", "about the sign", false);
        Row("differs in case", "about the", "About the", false);
    }

    void takesBackOnlyWhatTheBoxGaveAway() {
        const auto [givenAway, held, cleared] =
            Fetch<QString, QString, bool>("givenAway", "held", "cleared");
        for (const ClipboardPart part : {ClipboardPart::Clipboard, ClipboardPart::Selection}) {
            RecordingPlatform platform;
            ClipboardGuard guard;
            platform.ownClipboard = part == ClipboardPart::Clipboard ? held : kOurs;
            platform.ownSelection = part == ClipboardPart::Selection ? held : kOurs;
            guard.GivenAway(givenAway);
            guard.Guard();
            QCOMPARE(platform.clipboardClears, cleared ? QList{part} : QList<ClipboardPart>());
            QCOMPARE(part == ClipboardPart::Clipboard ? platform.ownSelection
                                                      : platform.ownClipboard,
                     kOurs);
        }
    }

    void forgetsWhatIsNoLongerHeld() {
        RecordingPlatform platform;
        ClipboardGuard guard;
        // Another program holds the clipboard: the box's copy is gone from it.
        platform.ownClipboard = std::nullopt;
        platform.ownSelection = std::nullopt;
        guard.GivenAway(kShown);
        guard.Guard();
        QVERIFY(platform.clipboardClears.isEmpty());
        // The same text, put there later by other means, is not the box's.
        platform.ownClipboard = kShown;
        guard.Guard();
        QVERIFY(platform.clipboardClears.isEmpty());
        // Given again, it is taken back, once.
        guard.GivenAway(kShown);
        guard.Guard();
        QCOMPARE(platform.clipboardClears, QList{ClipboardPart::Clipboard});
        platform.ownClipboard = kShown;
        guard.Guard();
        QCOMPARE(platform.clipboardClears.size(), 1);
    }
};

QTEST_APPLESS_MAIN(TestResultClipboardGuard)
#include "test_result_clipboard_guard.moc"
