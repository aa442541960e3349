#include "web_links.h"

#include "korvane_identity.h"
#include "platform.h"

namespace korvane {
namespace {

QString Shown(const std::string& address) {
    return QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size()));
}

} // namespace

SiteHosts MakerHosts() {
    return {KORVANE_MAIN_SITE_HOST, KORVANE_HELP_SITE_HOST, KORVANE_PRODUCT_SITE_HOST};
}

void OpenWebPage(const QString& address) {
    ThePlatform().OpenAddress(address);
}

QString ProductSiteRoot() {
    return Shown(ProductSiteRoot(MakerHosts()));
}
QString ReferAFriendPage() {
    return Shown(ReferAFriendPageAddress(MakerHosts()));
}

QString SoftwaresPageAddress() {
    return Shown(SoftwaresPageAddress(MakerHosts()));
}
QString DonatePageAddress() {
    return Shown(DonatePageAddress(MakerHosts()));
}
QString OnlineHelpAddress() {
    return Shown(OnlineHelpAddress(MakerHosts()));
}
QString FullBrandPageAddress() {
    return Shown(FullBrandPageAddress(MakerHosts()));
}
QString CoBrandPageAddress() {
    return Shown(CoBrandPageAddress(MakerHosts()));
}
QString HomePageAddress() {
    return Shown(HomePageAddress(MakerHosts()));
}
QString DownloadPageAddress() {
    return Shown(DownloadPageAddress(MakerHosts()));
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
