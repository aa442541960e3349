#include "web_links.h"

#include "korvane_identity.h"
#include "platform.h"

namespace korvane {
namespace {

// Every page goes over TLS: the refer-a-friend request carries people's
// names and e-mail addresses.
QString SiteRoot(const char* host) {
    return QStringLiteral("https://") + QString::fromUtf8(host) + QLatin1Char('/');
}

QString MainSite() {
    return SiteRoot(KORVANE_MAIN_SITE_HOST);
}
QString HelpSite() {
    return SiteRoot(KORVANE_HELP_SITE_HOST);
}

} // namespace

void OpenWebPage(const QString& address) {
    ThePlatform().OpenAddress(address);
}

QString ProductSiteRoot() {
    return SiteRoot(KORVANE_PRODUCT_SITE_HOST);
}
QString ReferAFriendPage() {
    return MainSite() + QStringLiteral("tell-a-friend.html");
}

QString SoftwaresPageAddress() {
    return MainSite() + QStringLiteral("softwares.html");
}
QString DonatePageAddress() {
    return HelpSite() + QStringLiteral("donate.html");
}
QString OnlineHelpAddress() {
    return ProductSiteRoot() + QStringLiteral("korvane-help.html");
}
QString FullBrandPageAddress() {
    return HelpSite() + QStringLiteral("fully-branded.html");
}
QString CoBrandPageAddress() {
    return HelpSite() + QStringLiteral("co-brand.html");
}
QString HomePageAddress() {
    return MainSite();
}
QString DownloadPageAddress() {
    return ProductSiteRoot() + QStringLiteral("download-korvane.html");
}

void OpenSoftwaresPage() {
    OpenWebPage(SoftwaresPageAddress());
}
void OpenDonatePage() {
    OpenWebPage(DonatePageAddress());
}
void OpenOnlineHelp() {
    OpenWebPage(OnlineHelpAddress());
}
void OpenFullBrandPage() {
    OpenWebPage(FullBrandPageAddress());
}
void OpenCoBrandPage() {
    OpenWebPage(CoBrandPageAddress());
}
void OpenHomePage() {
    OpenWebPage(HomePageAddress());
}
void OpenDownloadPage() {
    OpenWebPage(DownloadPageAddress());
}

} // namespace korvane
