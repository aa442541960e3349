#include "table_rows.h"
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
        Columns<PageAddress, std::string>("page", "address");
        const auto row = [](const char* tag, PageAddress page, const char* address) {
            QTest::newRow(tag) << page << std::string(address);
        };
        row("home", &HomePageAddress, "https://m.test/");
        row("product root", &ProductSiteRoot, "https://p.test/");
        row("softwares", &SoftwaresPageAddress, "https://m.test/softwares.html");
        row("refer a friend", &ReferAFriendPageAddress, "https://m.test/tell-a-friend.html");
        row("donate", &DonatePageAddress, "https://h.test/donate.html");
        row("full brand", &FullBrandPageAddress, "https://h.test/fully-branded.html");
        row("co-brand", &CoBrandPageAddress, "https://h.test/co-brand.html");
        row("online help", &OnlineHelpAddress, "https://p.test/korvane-help.html");
        row("download", &DownloadPageAddress, "https://p.test/download-korvane.html");
    }

    void eachPageOnItsHost() {
        const auto [page, address] = Fetch<PageAddress, std::string>("page", "address");
        QCOMPARE(page({"m.test", "h.test", "p.test"}), address);
    }

    // The result shows the forum invitation without its full stop, in any
    // language's script.
    void withoutFinalFullStop_data() {
        Columns<std::string, std::string>("text", "shown");
        QTest::newRow("Latin") << std::string("Visit Quillory Now.")
                               << std::string("Visit Quillory Now");
        QTest::newRow("ideographic")
            << std::string("\u8BBF\u95EE Quillory\u3002") << std::string("\u8BBF\u95EE Quillory");
        QTest::newRow("none") << std::string("Visit now") << std::string("Visit now");
        QTest::newRow("only the last") << std::string("Now..") << std::string("Now.");
        QTest::newRow("empty") << std::string() << std::string();
    }

    void withoutFinalFullStop() {
        const auto [text, shown] = Fetch<std::string, std::string>("text", "shown");
        QCOMPARE(std::string(WithoutFinalFullStop(text)), shown);
    }
};

QTEST_GUILESS_MAIN(TestWebPages)
#include "test_web_pages.moc"
