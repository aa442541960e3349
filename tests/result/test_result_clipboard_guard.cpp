// What the clipboard guard counts as the program's own text, against the
// recording platform: the guard decides, the platform only owns and clears.
#include "clipboard_guard.h"
#include "recording_platform.h"

#include <QTest>

using namespace korvane;

namespace {

const QString kSignText =
    QStringLiteral("First paragraph about the sign.\r\n\r\nSecond paragraph, in the box.");
// kSignText as a text box shows it and as copying it out gives it back.
const QString kShown =
    QStringLiteral("First paragraph about the sign.\n\nSecond paragraph, in the box.");

QString SignText(int n) {
    return QStringLiteral("Sign text number %1, unlike any other.").arg(n);
}

} // namespace

class TestResultClipboardGuard : public QObject {
    Q_OBJECT
private slots:
    void partOfTheSignTextIsTakenBack_data();
    void partOfTheSignTextIsTakenBack();
    void anotherProgramsTextIsNeverTouched();
    void earlierSignTextsCount();
    void atMostTheNewestTextsAreRemembered();
};

void TestResultClipboardGuard::partOfTheSignTextIsTakenBack_data() {
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("signText");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("whole text") << kShown << kShown << true;
    QTest::newRow("one paragraph") << "Second paragraph, in the box." << kSignText << true;
    QTest::newRow("a few words") << "about the" << kSignText << true;
    QTest::newRow("LF copy of a CR LF text") << kShown << kSignText << true;
    QTest::newRow("CR LF copy of an LF text") << kSignText << kShown << true;
    QTest::newRow("paragraph separators")
        << QStringLiteral("sign.") + QChar(QChar::ParagraphSeparator) +
               QChar(QChar::ParagraphSeparator) + QStringLiteral("Second")
        << kSignText << true;
    QTest::newRow("text not in the sign text") << "Blue suits you" << kSignText << false;
    QTest::newRow("differs in case") << "first paragraph" << kSignText << false;
    QTest::newRow("more than the sign text") << kShown + " And more." << kSignText << false;
    QTest::newRow("empty clipboard") << "" << kSignText << false;
}

void TestResultClipboardGuard::partOfTheSignTextIsTakenBack() {
    QFETCH(QString, held);
    QFETCH(QString, signText);
    QFETCH(bool, cleared);
    for (const ClipboardPart part : {ClipboardPart::Clipboard, ClipboardPart::Selection}) {
        RecordingPlatform platform;
        ClipboardGuard guard;
        const QString unrelated = QStringLiteral("Unrelated text of ours");
        platform.ownClipboard = part == ClipboardPart::Clipboard ? held : unrelated;
        platform.ownSelection = part == ClipboardPart::Selection ? held : unrelated;
        guard.Guard(signText);
        QCOMPARE(platform.clipboardClears, cleared ? QList{part} : QList<ClipboardPart>());
        // The other part held something of ours that is no sign text.
        QCOMPARE(part == ClipboardPart::Clipboard ? platform.ownSelection : platform.ownClipboard,
                 unrelated);
    }
}

void TestResultClipboardGuard::anotherProgramsTextIsNeverTouched() {
    RecordingPlatform platform;
    ClipboardGuard guard;
    platform.ownClipboard = std::nullopt;
    platform.ownSelection = std::nullopt;
    guard.Guard(kSignText);
    QCOMPARE(platform.clipboardLooks, 2);
    QVERIFY(platform.clipboardClears.isEmpty());
}

void TestResultClipboardGuard::earlierSignTextsCount() {
    RecordingPlatform platform;
    ClipboardGuard guard;
    guard.Guard(kSignText);
    guard.Guard(SignText(1));
    // A copy from the first reading, while the second one is shown.
    platform.ownClipboard = QStringLiteral("in the box");
    guard.Guard(SignText(1));
    QCOMPARE(platform.ownClipboard, QString());
    // An empty text guards what is remembered and adds nothing.
    platform.ownSelection = QStringLiteral("Sign text number 1");
    guard.Guard(QString());
    QCOMPARE(platform.ownSelection, QString());
    QCOMPARE(guard.Remembered(), (QStringList{SignText(1), kShown}));
}

void TestResultClipboardGuard::atMostTheNewestTextsAreRemembered() {
    RecordingPlatform platform;
    ClipboardGuard guard;
    const int cap = static_cast<int>(ClipboardGuard::kMostRemembered);
    QCOMPARE(cap, 64);
    for (int n = 0; n <= cap; ++n)
        guard.Guard(SignText(n));
    QCOMPARE(guard.Remembered().size(), cap);
    QCOMPARE(guard.Remembered().first(), SignText(cap));
    // The oldest is forgotten: a copy of it is no longer the program's own.
    platform.ownClipboard = SignText(0);
    guard.Guard(QString());
    QCOMPARE(platform.ownClipboard, SignText(0));
    // The one after it still counts, and showing it again makes it the newest.
    guard.Guard(SignText(1));
    QCOMPARE(guard.Remembered().first(), SignText(1));
    QCOMPARE(guard.Remembered().size(), cap);
    QCOMPARE(guard.Remembered().count(SignText(1)), 1);
    // A new text pushes out the oldest, now SignText(2).
    guard.Guard(SignText(cap + 1));
    platform.ownClipboard = SignText(2);
    guard.Guard(QString());
    QCOMPARE(platform.ownClipboard, SignText(2));
    platform.ownClipboard = SignText(3);
    guard.Guard(QString());
    QCOMPARE(platform.ownClipboard, QString());
}

QTEST_APPLESS_MAIN(TestResultClipboardGuard)
#include "test_result_clipboard_guard.moc"
