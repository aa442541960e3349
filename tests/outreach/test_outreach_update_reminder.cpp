#include "recording_platform.h"
#include "setting_scrambler.h"
#include "table_rows.h"
#include "update_reminder.h"

#include <QTest>

#include <memory>

using namespace korvane;

namespace {

const QString kQuestion = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
const QString kDownloadPage = QStringLiteral("https://www.korvane.example/download-korvane.html");
const QDate kToday(2026, 12, 8);

QString StoreKey() {
    return QStringLiteral("Settings/") + ScrambleSetting(QString("Duration"));
}

QString StoredDate(const QDate& date) {
    return ScrambleSetting(date.toString(QStringLiteral("yyyy-MM-dd")));
}

QString Chars(std::initializer_list<int> codes) {
    QString text;
    for (int code : codes)
        text.append(QChar(static_cast<char16_t>(code)));
    return text;
}

} // namespace

Q_DECLARE_METATYPE(MessageAnswer)

class TestOutreachUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    void init() {
        platform_ = std::make_unique<RecordingPlatform>();
        platform_->today = kToday;
    }

    void cleanup() { platform_.reset(); }

    void scrambles_data() {
        Columns<QString, QString>("text", "scrambled");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("reversed and raised by 85") << "ab" << Chars({183, 182});
        QTest::newRow("digits and dash") << "1-9" << Chars({57 + 85, 45 + 85, 49 + 85});
        QTest::newRow("code 0 becomes 85") << Chars({0}) << QStringLiteral("U");
        QTest::newRow("code 170 is the highest kept") << Chars({170}) << Chars({255});
        QTest::newRow("code 171 dropped") << Chars({171}) << QString();
        QTest::newRow("code 200 dropped among others")
            << Chars({'a', 200, 'b'}) << Chars({183, 182});
        QTest::newRow("code 255 dropped") << Chars({255, 'a'}) << Chars({182});
        QTest::newRow("beyond 8 bits dropped") << QStringLiteral("a\u20acb") << Chars({183, 182});
        QTest::newRow("surrogate pair dropped") << QStringLiteral("a\U0001F697") << Chars({182});
    }

    void scrambles() {
        const auto [text, scrambled] = Fetch<QString, QString>("text", "scrambled");
        QCOMPARE(ScrambleSetting(text), scrambled);
    }

    void unscrambles_data() {
        Columns<QString, QString>("text", "unscrambled");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("reversed and lowered by 85") << Chars({183, 182}) << "ab";
        QTest::newRow("code 85 becomes 0") << QStringLiteral("U") << Chars({0});
        QTest::newRow("code 84 dropped") << Chars({84}) << QString();
        QTest::newRow("code 10 dropped among others") << Chars({183, 10, 182}) << "ab";
        QTest::newRow("code 255 becomes 170") << Chars({255}) << Chars({170});
        QTest::newRow("beyond 8 bits dropped") << Chars({183, 0x20AC, 182}) << "ab";
        QTest::newRow("plain digits all dropped") << "2026-01-01" << QString();
    }

    void unscrambles() {
        const auto [text, unscrambled] = Fetch<QString, QString>("text", "unscrambled");
        QCOMPARE(UnscrambleSetting(text), unscrambled);
    }

    void roundTrips() {
        QString ascii; // every printable character
        for (char16_t code = 32; code < 127; ++code)
            ascii.append(QChar(code));
        for (const QString& text :
             {QString("Duration"), QString("2026-12-08"), QString("2024-02-29"),
              QString("Hello, World! 42"), ascii, QString("\t\r\n")}) {
            const QString scrambled = ScrambleSetting(text);
            QCOMPARE(scrambled.size(), text.size());
            QCOMPARE(UnscrambleSetting(scrambled), text);
        }
    }

    void firstRunStoresToday_data() {
        QTest::addColumn<QDate>("today");
        QTest::newRow("usual day") << kToday;
        QTest::newRow("leap day") << QDate(2028, 2, 29);
        QTest::newRow("new year's eve") << QDate(2026, 12, 31);
    }

    void firstRunStoresToday() {
        QFETCH(QDate, today);
        platform_->today = today;

        CheckUpdateReminder();
        QVERIFY(platform_->messages.isEmpty());
        QVERIFY(platform_->openedAddresses.isEmpty());
        QCOMPARE(platform_->settings.keys(), QStringList{StoreKey()});
        QCOMPARE(platform_->settings.value(StoreKey()), StoredDate(today));

        // Run again the same day, it stays quiet.
        CheckUpdateReminder();
        QVERIFY(platform_->messages.isEmpty());
        QCOMPARE(platform_->settings.value(StoreKey()), StoredDate(today));
    }

    void remindsAfterFifteenDays_data() {
        Columns<int, MessageAnswer, bool>("daysFromToday", "answer", "asks");
        QTest::newRow("same day") << 0 << MessageAnswer::Yes << false;
        QTest::newRow("14 days ago") << -14 << MessageAnswer::Yes << false;
        QTest::newRow("14 days ahead") << 14 << MessageAnswer::Yes << false;
        QTest::newRow("15 days ago, Yes") << -15 << MessageAnswer::Yes << true;
        QTest::newRow("15 days ago, No") << -15 << MessageAnswer::No << true;
        QTest::newRow("15 days ahead, Yes") << 15 << MessageAnswer::Yes << true;
        QTest::newRow("15 days ahead, No") << 15 << MessageAnswer::No << true;
        QTest::newRow("years ago, Yes") << -3000 << MessageAnswer::Yes << true;
        QTest::newRow("across a year end, No") << -40 << MessageAnswer::No << true;
    }

    void remindsAfterFifteenDays() {
        const auto [daysFromToday, answer, asks] =
            Fetch<int, MessageAnswer, bool>("daysFromToday", "answer", "asks");
        const QString before = StoredDate(kToday.addDays(daysFromToday));
        platform_->settings.insert(StoreKey(), before);
        platform_->answers = {answer};

        CheckUpdateReminder();

        if (!asks) {
            QVERIFY(platform_->messages.isEmpty());
            QVERIFY(platform_->openedAddresses.isEmpty());
            QCOMPARE(platform_->settings.value(StoreKey()), before);
            return;
        }
        QCOMPARE(platform_->messages,
                 (QList<RecordingPlatform::Message>{
                     {nullptr, kQuestion, MessageIcon::Information, MessageButtons::YesNo}}));
        QCOMPARE(platform_->settings.keys(), QStringList{StoreKey()});
        QCOMPARE(platform_->settings.value(StoreKey()), StoredDate(kToday));
        const QStringList opened =
            answer == MessageAnswer::Yes ? QStringList{kDownloadPage} : QStringList{};
        QCOMPARE(platform_->openedAddresses, opened);

        // The reminder has been given: the next start stays quiet.
        CheckUpdateReminder();
        QCOMPARE(platform_->messages.size(), 1);
        QCOMPARE(platform_->openedAddresses, opened);
    }

    void leavesUnreadableDateAlone_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("scrambled words") << ScrambleSetting(QString("not a date"));
        QTest::newRow("scrambled date in another format") << ScrambleSetting(QString("08/12/2025"));
        QTest::newRow("scrambled impossible date") << ScrambleSetting(QString("2025-02-30"));
        QTest::newRow("scrambled date with a space") << ScrambleSetting(QString(" 2025-01-01"));
        QTest::newRow("plain words") << QStringLiteral("yesterday");
    }

    void leavesUnreadableDateAlone() {
        QFETCH(QString, stored);
        platform_->settings.insert(StoreKey(), stored);
        const auto before = platform_->settings;

        CheckUpdateReminder();
        QVERIFY(platform_->messages.isEmpty());
        QVERIFY(platform_->openedAddresses.isEmpty());
        QCOMPARE(platform_->settings, before);
    }

    // A store that cannot be read does nothing; one that cannot be written
    // asks when it is time, and opens nothing, since it would ask again at
    // every start.
    void storeThatFails_data() {
        // daysAgo -1: nothing stored
        Columns<bool, int, bool>("readable", "daysAgo", "asks");
        QTest::newRow("unwritable, time to ask") << true << 15 << true;
        QTest::newRow("unwritable, first run") << true << -1 << false;
        QTest::newRow("unreadable") << false << 100 << false;
    }

    void storeThatFails() {
        const auto [readable, daysAgo, asks] =
            Fetch<bool, int, bool>("readable", "daysAgo", "asks");
        if (daysAgo >= 0)
            platform_->settings.insert(StoreKey(), StoredDate(kToday.addDays(-daysAgo)));
        const auto before = platform_->settings;
        platform_->settingsReadable = readable;
        platform_->settingsWritable = !readable;
        platform_->answers = {MessageAnswer::Yes};

        CheckUpdateReminder();
        CheckUpdateReminder();
        QCOMPARE(platform_->messages.size(), asks ? 2 : 0);
        if (asks)
            QCOMPARE(platform_->messages.constFirst().text, kQuestion);
        QVERIFY(platform_->openedAddresses.isEmpty());
        QCOMPARE(platform_->settings, before);
    }

    void storeHoldsNothingReadable() {
        CheckUpdateReminder();
        platform_->today = kToday.addDays(20);
        CheckUpdateReminder();
        QCOMPARE(platform_->messages.size(), 1);

        QCOMPARE(platform_->settings.size(), 1);
        const QString key = platform_->settings.firstKey();
        const QString value = platform_->settings.first();
        const QString date = platform_->today.toString(QStringLiteral("yyyy-MM-dd"));
        QVERIFY(!key.contains(QStringLiteral("Duration"), Qt::CaseInsensitive));
        for (const QString& plain : {date, platform_->today.toString(QStringLiteral("yyyy")),
                                     platform_->today.toString(Qt::ISODate)}) {
            QVERIFY(!value.contains(plain));
            QVERIFY(!key.contains(plain));
        }
        for (QChar c : value)
            QVERIFY2(!c.isLetterOrNumber() || c.unicode() >= 128, "plain ASCII in the stored date");
        // It still reads back as the date of the last reminder.
        QCOMPARE(UnscrambleSetting(value), date);
    }

private:
    std::unique_ptr<RecordingPlatform> platform_;
};

QTEST_GUILESS_MAIN(TestOutreachUpdateReminder)
#include "test_outreach_update_reminder.moc"
