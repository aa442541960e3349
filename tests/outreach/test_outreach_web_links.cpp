// Each link routine opens the engine's address of its page (the addresses
// are engine/test_web_pages.cpp's table) on the program's own hosts.
#include "recording_platform.h"
#include "web_links.h"

#include <QTest>
#include <QUrl>

using namespace korvane;

using PageOpener = void (*)();
using PageAddress = std::string (*)(const SiteHosts&);
Q_DECLARE_METATYPE(PageOpener)
Q_DECLARE_METATYPE(PageAddress)

class TestOutreachWebLinks : public QObject {
    Q_OBJECT
private slots:
    void opensItsPage_data() {
        QTest::addColumn<PageOpener>("open");
        QTest::addColumn<PageAddress>("page");
        QTest::newRow("softwares")
            << PageOpener(&OpenSoftwaresPage) << PageAddress(&SoftwaresPageAddress);
        QTest::newRow("donate") << PageOpener(&OpenDonatePage) << PageAddress(&DonatePageAddress);
        QTest::newRow("online help")
            << PageOpener(&OpenOnlineHelp) << PageAddress(&OnlineHelpAddress);
        QTest::newRow("full brand")
            << PageOpener(&OpenFullBrandPage) << PageAddress(&FullBrandPageAddress);
        QTest::newRow("co-brand") << PageOpener(&OpenCoBrandPage)
                                  << PageAddress(&CoBrandPageAddress);
        QTest::newRow("home") << PageOpener(&OpenHomePage) << PageAddress(&HomePageAddress);
        QTest::newRow("download") << PageOpener(&OpenDownloadPage)
                                  << PageAddress(&DownloadPageAddress);
    }

    void opensItsPage() {
        QFETCH(PageOpener, open);
        QFETCH(PageAddress, page);
        RecordingPlatform platform;
        const QString address = QString::fromStdString(page(MakerHosts()));
        // The program's hosts, as its identity gives them.
        QCOMPARE(QUrl(address).host().endsWith(QStringLiteral(".example")), true);

        open();
        QCOMPARE(platform.openedAddresses, QStringList{address});
        // Every choice opens the page again; nothing is remembered.
        open();
        QCOMPARE(platform.openedAddresses, (QStringList{address, address}));
        QVERIFY(platform.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOutreachWebLinks)
#include "test_outreach_web_links.moc"
