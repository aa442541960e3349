// The desktop's side of refer-a-friend: the boxes' texts go through the
// engine's rule (engine/test_refer_request.cpp holds its cases) and the
// request is handed to the desktop; the exit window's test drives the form.
#include "recording_platform.h"
#include "refer_a_friend.h"

#include <QTest>

using namespace korvane;

namespace {

const QString kRequestStart = QStringLiteral("https://www.quillory.example/tell-a-friend.html?");

} // namespace

class TestOutreachReferAFriend : public QObject {
    Q_OBJECT
private slots:
    void submitsThroughTheEngine_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("outcome"); // the request's query, or the message
        QTest::newRow("non-ASCII arrives as UTF-8, outer spaces go")
            << QStringLiteral("  Ren\u00e9e \u65e5\u672c ") << "ann@mail.example"
            << "taf1=Ren%C3%A9e%20%E6%97%A5%E6%9C%AC&taf2=ann%40mail.example&taf3=Hello&taf4=Bob"
               "&taf5=bob%40mail.example&taf6=https://www.korvane.example/";
        QTest::newRow("a no-break space is no blank")
            << QStringLiteral("\u00a0Ann") << "ann@mail.example"
            << "taf1=%C2%A0Ann&taf2=ann%40mail.example&taf3=Hello&taf4=Bob"
               "&taf5=bob%40mail.example&taf6=https://www.korvane.example/";
        QTest::newRow("an empty box shows its placeholder") << ""
                                                            << "ann@mail.example"
                                                            << "Please Enter Your Name";
        QTest::newRow("same e-mail addresses") << "Ann"
                                               << " bob@mail.example "
                                               << "Please Enter Distinct Email Addresses";
        QTest::newRow("a spaced address is refused when sending")
            << "Ann" << QStringLiteral("ann\u00a0@mail.example")
            << "Email Address Cannot Contain Space";
    }

    void submitsThroughTheEngine() {
        QFETCH(QString, name);
        QFETCH(QString, email);
        QFETCH(QString, outcome);
        RecordingPlatform platform;
        const ReferAFriendForm form{name, email, QStringLiteral("Hello"), QStringLiteral("Bob"),
                                    QStringLiteral("bob@mail.example")};
        const auto problem = SubmitReferAFriend(form);
        // The caller shows the message; a refused form opens nothing.
        QVERIFY(platform.messages.isEmpty());
        if (problem) {
            QCOMPARE(problem->message, outcome);
            QVERIFY(platform.openedAddresses.isEmpty());
        } else {
            QCOMPARE(platform.openedAddresses, QStringList{kRequestStart + outcome});
        }
    }
};

QTEST_GUILESS_MAIN(TestOutreachReferAFriend)
#include "test_outreach_refer_a_friend.moc"
