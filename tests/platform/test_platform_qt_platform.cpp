// The Qt platform where no real desktop is needed: message text, message
// boxes, the settings store, handing addresses on, and keeping on top.

#include "languages.h"
#include "line_breaks.h"
#include "qt_platform.h"
#include "table_rows.h"
#include "window_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWidget>

using korvane::MessageAnswer;
using korvane::MessageButtons;
using korvane::MessageIcon;
using korvane::QtPlatform;

namespace {

// Stands for "nothing came back" where a read gave no text at all.
const QString kNothing = QStringLiteral("<nothing came back>");
const QString kSection = QStringLiteral("Settings");

QString Read(QtPlatform& platform, const QString& key, const QString& section = kSection) {
    return platform.ReadSetting(section, key).value_or(kNothing);
}

#ifdef Q_OS_WIN
// The registry key of a store of the tests' own, so that the user's is left alone.
const QString kTestStore = QStringLiteral("korvane-tests");

QString RegistryKey() {
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + kTestStore;
}

bool StoreExists() {
    const QSettings registry(RegistryKey(), QSettings::NativeFormat);
    return !registry.allKeys().isEmpty();
}

// The value as a store that has never seen it reads it from the registry.
QString ValueInFreshStore(const QString& path) {
    const QSettings registry(RegistryKey(), QSettings::NativeFormat);
    return registry.value(path).toString();
}
#else
QString ConfigHome() {
    return qEnvironmentVariable("XDG_CONFIG_HOME");
}

QString StoreFile() {
    return QDir(ConfigHome()).filePath(QStringLiteral("korvane.conf"));
}

bool StoreExists() {
    return QFile::exists(StoreFile());
}

// What reached the disk, read by a store that has never seen it (this
// process caches the one it wrote).
QString ValueInFreshStore(const QString& path) {
    QTemporaryDir copyFolder;
    const QString copy = copyFolder.filePath(QStringLiteral("copy.conf"));
    if (!copyFolder.isValid() || !QFile::copy(StoreFile(), copy))
        return QStringLiteral("<store file could not be copied>");
    const QSettings fromDisk(copy, QSettings::IniFormat);
    return fromDisk.value(path).toString();
}
#endif

QString FromCodes(std::initializer_list<char16_t> codes) {
    QString text;
    for (char16_t code : codes)
        text.append(QChar(code));
    return text;
}

// "Duration", stored scrambled the way the update reminder names its key.
QString ScrambledKey() {
    return FromCodes({0xC3, 0xC4, 0xBE, 0xC9, 0xB6, 0xC7, 0xCA, 0x99});
}

// What a message box showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

public slots:
    // Receives what OpenAddress hands to the desktop.
    void ReceiveAddress(const QUrl& url) { openedUrls_.append(url); }

private slots:
    void initTestCase() {
#ifdef Q_OS_WIN
        korvane::UseSettingsStoreName(kTestStore);
        QSettings(RegistryKey(), QSettings::NativeFormat).clear();
#else
        QVERIFY2(!ConfigHome().isEmpty(), "the test runs without XDG_CONFIG_HOME");
        // Start from an empty config folder, whatever earlier runs left.
        QVERIFY(QDir(ConfigHome()).removeRecursively());
        QVERIFY(QDir().mkpath(ConfigHome()));
#endif
    }

    void cleanupTestCase() {
#ifdef Q_OS_WIN
        QSettings(RegistryKey(), QSettings::NativeFormat).clear();
        korvane::UseSettingsStoreName(QString());
#endif
    }

    void lineBreaksBecomeLineFeeds_data() {
        Columns<QString, QString>("text", "shown");
        Row("no carriage return", "One line\nand another", "One line\nand another");
        Row("empty", "", "");
        Row("lone CR", "There maybe an update\rDo you want to check?",
            "There maybe an update\nDo you want to check?");
        Row("CR LF", "first\r\nsecond", "first\nsecond");
        Row("CR LF pairs in a row", "a\r\n\r\nb", "a\n\nb");
        Row("CR before CR LF", "a\r\r\nb", "a\n\nb");
        Row("LF CR", "a\n\rb", "a\n\nb");
        Row("CR at both ends", "\rmiddle\r", "\nmiddle\n");
        Row("paragraph separators",
            QStringLiteral("a") + QChar(QChar::ParagraphSeparator) + QStringLiteral("b"), "a\nb");
    }

    void lineBreaksBecomeLineFeeds() {
        const auto [text, shown] = Fetch<QString, QString>("text", "shown");
        QCOMPARE(korvane::WithLineFeeds(text), shown);
    }

    void messageBoxAnswers_data() {
        Columns<MessageButtons, MessageIcon, int, MessageAnswer, QString>(
            "buttons", "icon", "key", "answer", "defaultButton");
        const auto row = [](const char* tag, MessageButtons buttons, MessageIcon icon, int key,
                            MessageAnswer answer, const char* defaultButton) {
            QTest::newRow(tag) << buttons << icon << key << answer << QString(defaultButton);
        };
        const auto yesNo = MessageButtons::YesNo, ok = MessageButtons::Ok;
        const auto info = MessageIcon::Information, critical = MessageIcon::Critical;
        row("yes/no, Enter takes the default", yesNo, info, Qt::Key_Return, MessageAnswer::Yes,
            "&Yes");
        row("yes/no, Escape means no", yesNo, info, Qt::Key_Escape, MessageAnswer::No, "&Yes");
        row("ok, Enter", ok, critical, Qt::Key_Return, MessageAnswer::Ok, "OK");
        row("ok, Escape", ok, info, Qt::Key_Escape, MessageAnswer::Ok, "OK");
        // In another language the buttons take the program's words for them.
        row("yes/no in Vietnamese", yesNo, info, Qt::Key_Escape, MessageAnswer::No, "&Có");
        row("ok in Vietnamese", ok, critical, Qt::Key_Return, MessageAnswer::Ok, "Đồng ý");
    }

    void messageBoxAnswers() {
        const auto [buttons, icon, key, answer, defaultButton] =
            Fetch<MessageButtons, MessageIcon, int, MessageAnswer, QString>(
                "buttons", "icon", "key", "answer", "defaultButton");

        // The box is answered from inside its own event loop; the failsafe
        // closes whatever box is left so that a fault cannot hang the test.
        std::optional<SeenBox> seen;
        QTimer answerer;
        answerer.setInterval(20);
        connect(&answerer, &QTimer::timeout, this, [&, key = key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || seen)
                return;
            const auto* byDefault = box->defaultButton();
            seen = {box->windowTitle(), box->text(), box->icon(), QStringList(),
                    byDefault ? byDefault->text() : QString()};
            for (QAbstractButton* button : box->buttons())
                seen->buttons.append(button->text());
            seen->buttons.sort();
            QTest::keyClick(box, Qt::Key(key));
        });
        answerer.start();
        const korvane::ModalFailsafe failsafe;

        const bool ownWords = QByteArray(QTest::currentDataTag()).endsWith("Vietnamese");
        if (ownWords)
            korvane::SetMessageButtonTexts({"Đồng ý", "&Có", "&Không"});
        QtPlatform platform;
        const MessageAnswer given = platform.ShowMessage(
            nullptr, QStringLiteral("Line one\rLine two\r\nLine three"), icon, buttons);
        answerer.stop();

        QVERIFY2(seen, "no modal message box appeared");
        QCOMPARE(given, answer);
        QCOMPARE(seen->title, QStringLiteral("Korvane"));
        QCOMPARE(seen->text, QStringLiteral("Line one\nLine two\nLine three"));
        QCOMPARE(seen->icon,
                 icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information);
        korvane::SetMessageButtonTexts({});
        const QStringList expectedButtons =
            buttons == MessageButtons::YesNo
                ? (ownWords ? QStringList{"&Có", "&Không"} : QStringList{"&No", "&Yes"})
                : QStringList{ownWords ? "Đồng ý" : "OK"};
        QCOMPARE(seen->buttons, expectedButtons);
        QCOMPARE(seen->defaultButton, defaultButton);
    }

    void missingKeyReadsAsEmptyText() {
        QtPlatform platform;
        // Before anything is stored the store does not even exist.
        QVERIFY(!StoreExists());
        QCOMPARE(Read(platform, ScrambledKey()), QString());

        QVERIFY(platform.WriteSetting(kSection, QStringLiteral("other"), QStringLiteral("x")));
        QCOMPARE(Read(platform, QStringLiteral("never written")), QString());
        QCOMPARE(Read(platform, QStringLiteral("other"), QStringLiteral("Elsewhere")), QString());
    }

    void settingSurvivesRoundTrip_data() {
        Columns<QString, QString>("key", "value");
        QString everyHighCode;
        for (char16_t code = 0x80; code <= 0xFF; ++code)
            everyHighCode.append(QChar(code));
        QString storedRange; // what scrambling can produce: codes 85 to 255
        for (char16_t code = 85; code <= 0xFF; ++code)
            storedRange.append(QChar(code));

        // "2026-12-08" scrambled: reversed, each code raised by 85.
        QTest::newRow("scrambled date under scrambled key")
            << ScrambledKey()
            << FromCodes({0x8D, 0x85, 0x82, 0x87, 0x86, 0x82, 0x8B, 0x87, 0x85, 0x87});
        QTest::newRow("every code from 128 to 255") << "high" << everyHighCode;
        QTest::newRow("every code scrambling produces") << "range" << storedRange;
        QTest::newRow("INI punctuation") << "punctuation"
                                         << "a;b,c=d\"e\\f[g]h#i";
        QTest::newRow("spaces at both ends") << QString("spaces") << "  padded  ";
        QTest::newRow("looks like a Qt variant") << QString("variant") << "@Variant(x)";
        QTest::newRow("overwrites an earlier value") << QString("high") << "short";
    }

    void settingSurvivesRoundTrip() {
        const auto [key, value] = Fetch<QString, QString>("key", "value");
        QtPlatform platform;

        QVERIFY(platform.WriteSetting(kSection, key, value));
        QCOMPARE(Read(platform, key), value);

        QCOMPARE(ValueInFreshStore(kSection + QLatin1Char('/') + key), value);
    }

#ifdef Q_OS_WIN
    void storeIsRegistryKeyOfCurrentUser() {
        QtPlatform platform;
        QVERIFY(platform.WriteSetting(kSection, QStringLiteral("where"), QStringLiteral("here")));
        // The section is a sub-key; the key a value of type string in it.
        const QSettings section(RegistryKey() + QStringLiteral("\\Settings"),
                                QSettings::NativeFormat);
        QCOMPARE(section.value(QStringLiteral("where")).toString(), QStringLiteral("here"));
        const QSettings software(QStringLiteral("HKEY_CURRENT_USER\\Software"),
                                 QSettings::NativeFormat);
        QVERIFY(software.childGroups().contains(kTestStore));
    }
#else

    void storeIsKorvaneConfInUserConfigFolder() {
        QtPlatform platform;
        QVERIFY(platform.WriteSetting(kSection, QStringLiteral("where"), QStringLiteral("here")));
        QVERIFY2(QFile::exists(StoreFile()), qPrintable(StoreFile()));
        // Organisation "korvane" without an application name: no sub-folder.
        QVERIFY(!QFileInfo::exists(QDir(ConfigHome()).filePath(QStringLiteral("korvane"))));

        QFile file(StoreFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        QVERIFY2(contents.contains("[Settings]"), contents.constData());
        QVERIFY2(contents.contains("where=here"), contents.constData());
    }

    void writeReportsFailureWhenStoreCannotBeWritten() {
        QTemporaryFile blocker;
        QVERIFY(blocker.open());
        // Nothing can be created below a regular file, not even by root.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           blocker.fileName() + QStringLiteral("/sub"));
        QtPlatform platform;
        const bool written =
            platform.WriteSetting(kSection, QStringLiteral("lost"), QStringLiteral("value"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));

        QVERIFY(!written);
        // Nor did the value land in the real store.
        QCOMPARE(Read(platform, QStringLiteral("lost")), QString());
        QVERIFY(platform.WriteSetting(kSection, QStringLiteral("back"), QStringLiteral("again")));
        QVERIFY(QFile::exists(StoreFile()));
    }

    void storeThatCannotBeReadGivesNothing() {
        // A folder has taken the store's name: it can be neither read nor
        // written, even by root.
        QFile::remove(StoreFile());
        QVERIFY(QDir().mkpath(StoreFile()));
        QtPlatform platform;
        const std::optional<QString> read = platform.ReadSetting(kSection, QStringLiteral("where"));
        const bool written =
            platform.WriteSetting(kSection, QStringLiteral("where"), QStringLiteral("x"));
        QVERIFY(QDir(StoreFile()).removeRecursively());

        QVERIFY2(!read.has_value(), qPrintable(read.value_or(QString())));
        QVERIFY(!written);
    }

#endif

    void openAddressHandsOnTheAddressUnchanged_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("site page") << "https://www.korvane.example/download-korvane.html";
        QTest::newRow("site root") << "https://www.quillory.example/";
        QTest::newRow("already percent-encoded query")
            << "https://www.quillory.example/"
               "tell-a-friend.html?name=Ann%20Lee&mail=ann%40x.example";
        QTest::newRow("encoded plus and ampersand")
            << "https://www.quillory.example/"
               "tell-a-friend.html?name=A%2BB%26C&mail=m%2B1%40x.example";
    }

    void openAddressHandsOnTheAddressUnchanged() {
        QFETCH(QString, address);
        // Handlers for the web's schemes stand in for the browser.
        openedUrls_.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "ReceiveAddress");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "ReceiveAddress");
        QtPlatform platform;
        platform.OpenAddress(address);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        // Every character as it was: nothing decoded, nothing encoded twice.
        QCOMPARE(openedUrls_.size(), 1);
        QCOMPARE(openedUrls_.first().toString(QUrl::FullyEncoded), address);
    }

    void keepOnTopOnlyAddsTheStayOnTopHint_data() {
        QTest::addColumn<Qt::WindowType>("type");
        QTest::newRow("window") << Qt::Window;
        QTest::newRow("dialog") << Qt::Dialog;
        QTest::newRow("tool") << Qt::Tool;
    }

    void keepOnTopOnlyAddsTheStayOnTopHint() {
        QFETCH(Qt::WindowType, type);
        QWidget window(nullptr, type | Qt::WindowTitleHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));

        QtPlatform platform;
        platform.KeepOnTop(&window);

        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window.windowType(), type);
        QVERIFY(window.windowFlags() & Qt::WindowTitleHint);
        QVERIFY(!window.isVisible());
    }

private:
    QList<QUrl> openedUrls_;
};

QTEST_MAIN(QtPlatformTest)

#include "test_platform_qt_platform.moc"
