#include "recording_platform.h"
#include "web_links.h"

#include <QTest>
#include <QUrl>

using namespace korvane;

using PageOpener = void (*)();
Q_DECLARE_METATYPE(PageOpener)

class TestOutreachWebLinks : public QObject {
    Q_OBJECT
private slots:
    void opensItsPage_data();
    void opensItsPage();
};

void TestOutreachWebLinks::opensItsPage_data() {
    QTest::addColumn<PageOpener>("open");
    QTest::addColumn<QString>("address");
    QTest::newRow("softwares") << PageOpener(&OpenSoftwaresPage)
                               << "https://www.quillory.example/softwares.html";
    QTest::newRow("donate") << PageOpener(&OpenDonatePage)
                            << "https://help.quillory.example/donate.html";
    QTest::newRow("online help") << PageOpener(&OpenOnlineHelp)
                                 << "https://www.korvane.example/korvane-help.html";
    QTest::newRow("full brand") << PageOpener(&OpenFullBrandPage)
                                << "https://help.quillory.example/fully-branded.html";
    QTest::newRow("co-brand") << PageOpener(&OpenCoBrandPage)
                              << "https://help.quillory.example/co-brand.html";
    QTest::newRow("home") << PageOpener(&OpenHomePage) << "https://www.quillory.example/";
    QTest::newRow("download") << PageOpener(&OpenDownloadPage)
                              << "https://www.korvane.example/download-korvane.html";
}

void TestOutreachWebLinks::opensItsPage() {
    QFETCH(PageOpener, open);
    QFETCH(QString, address);
    RecordingPlatform platform;

    open();
    QCOMPARE(platform.openedAddresses, QStringList{address});
    const QUrl url(platform.openedAddresses.constFirst(), QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("https"));

    // Every choice opens the page again; nothing is remembered.
    open();
    QCOMPARE(platform.openedAddresses, (QStringList{address, address}));
    QVERIFY(platform.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestOutreachWebLinks)
#include "test_outreach_web_links.moc"
