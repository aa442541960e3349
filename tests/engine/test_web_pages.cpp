#include "promotion_texts.h"
#include "web_pages.h"

#include <QTest>

#include <string>

using namespace korvane;

using PageAddress = std::string (*)(const SiteHosts&);
Q_DECLARE_METATYPE(PageAddress)
Q_DECLARE_METATYPE(std::string)

class TestWebPages : public QObject {
    Q_OBJECT
private slots:
    void eachPageOnItsHost_data();
    void eachPageOnItsHost();
    void resultShowsForumInvitationWithoutFullStop();
};

// Hosts of the caller's choosing, so that none can be built in.
void TestWebPages::eachPageOnItsHost_data() {
    QTest::addColumn<PageAddress>("page");
    QTest::addColumn<std::string>("address");
    QTest::newRow("home") << PageAddress(&HomePageAddress) << std::string("https://m.test/");
    QTest::newRow("product root") << PageAddress(&ProductSiteRoot)
                                  << std::string("https://p.test/");
    QTest::newRow("softwares") << PageAddress(&SoftwaresPageAddress)
                               << std::string("https://m.test/softwares.html");
    QTest::newRow("refer a friend") << PageAddress(&ReferAFriendPageAddress)
                                    << std::string("https://m.test/tell-a-friend.html");
    QTest::newRow("donate") << PageAddress(&DonatePageAddress)
                            << std::string("https://h.test/donate.html");
    QTest::newRow("full brand") << PageAddress(&FullBrandPageAddress)
                                << std::string("https://h.test/fully-branded.html");
    QTest::newRow("co-brand") << PageAddress(&CoBrandPageAddress)
                              << std::string("https://h.test/co-brand.html");
    QTest::newRow("online help") << PageAddress(&OnlineHelpAddress)
                                 << std::string("https://p.test/korvane-help.html");
    QTest::newRow("download") << PageAddress(&DownloadPageAddress)
                              << std::string("https://p.test/download-korvane.html");
}

void TestWebPages::eachPageOnItsHost() {
    QFETCH(PageAddress, page);
    QFETCH(std::string, address);
    QCOMPARE(page({"m.test", "h.test", "p.test"}), address);
}

void TestWebPages::resultShowsForumInvitationWithoutFullStop() {
    QCOMPARE(std::string(ForumInvitationWithoutFullStop()) + ".", std::string(kForumInvitation));
    QVERIFY(!ForumInvitationWithoutFullStop().ends_with('.'));
}

QTEST_GUILESS_MAIN(TestWebPages)
#include "test_web_pages.moc"
