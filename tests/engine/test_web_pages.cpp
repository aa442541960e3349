#include "text_utils.h"
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
    // Hosts of the caller's choosing, so that none can be built in.
    void eachPageOnItsHost_data() {
        QTest::addColumn<PageAddress>("page");
        QTest::addColumn<std::string>("address");
        QTest::newRow("home") << PageAddress(&HomePageAddress) << std::string("https://m.test/");
        QTest::newRow("product root")
            << PageAddress(&ProductSiteRoot) << std::string("https://p.test/");
        QTest::newRow("softwares")
            << PageAddress(&SoftwaresPageAddress) << std::string("https://m.test/softwares.html");
        QTest::newRow("refer a friend") << PageAddress(&ReferAFriendPageAddress)
                                        << std::string("https://m.test/tell-a-friend.html");
        QTest::newRow("donate") << PageAddress(&DonatePageAddress)
                                << std::string("https://h.test/donate.html");
        QTest::newRow("full brand") << PageAddress(&FullBrandPageAddress)
                                    << std::string("https://h.test/fully-branded.html");
        QTest::newRow("co-brand") << PageAddress(&CoBrandPageAddress)
                                  << std::string("https://h.test/co-brand.html");
        QTest::newRow("online help")
            << PageAddress(&OnlineHelpAddress) << std::string("https://p.test/korvane-help.html");
        QTest::newRow("download") << PageAddress(&DownloadPageAddress)
                                  << std::string("https://p.test/download-korvane.html");
    }

    void eachPageOnItsHost() {
        QFETCH(PageAddress, page);
        QFETCH(std::string, address);
        QCOMPARE(page({"m.test", "h.test", "p.test"}), address);
    }

    // The result shows the forum invitation without its full stop, in any
    // language's script.
    void withoutFinalFullStop_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::string>("shown");
        QTest::newRow("Latin") << std::string("Visit Quillory Now.")
                               << std::string("Visit Quillory Now");
        QTest::newRow("ideographic")
            << std::string("\u8BBF\u95EE Quillory\u3002") << std::string("\u8BBF\u95EE Quillory");
        QTest::newRow("none") << std::string("Visit now") << std::string("Visit now");
        QTest::newRow("only the last") << std::string("Now..") << std::string("Now.");
        QTest::newRow("empty") << std::string() << std::string();
    }

    void withoutFinalFullStop() {
        QFETCH(std::string, text);
        QFETCH(std::string, shown);
        QCOMPARE(std::string(WithoutFinalFullStop(text)), shown);
    }
};

QTEST_GUILESS_MAIN(TestWebPages)
#include "test_web_pages.moc"
