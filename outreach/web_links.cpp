#include "web_links.h"

#include "korvane_identity.h"
#include "platform.h"

namespace korvane {

SiteHosts MakerHosts() {
    return {KORVANE_MAIN_SITE_HOST, KORVANE_HELP_SITE_HOST, KORVANE_PRODUCT_SITE_HOST};
}

void OpenWebPage(const QString& address) {
    ThePlatform().OpenAddress(address);
}

QString SoftwaresPageAddress() {
    return QString::fromUtf8(SoftwaresPageAddress(MakerHosts()));
}
QString DonatePageAddress() {
    return QString::fromUtf8(DonatePageAddress(MakerHosts()));
}
QString OnlineHelpAddress() {
    return QString::fromUtf8(OnlineHelpAddress(MakerHosts()));
}
QString FullBrandPageAddress() {
    return QString::fromUtf8(FullBrandPageAddress(MakerHosts()));
}
QString CoBrandPageAddress() {
    return QString::fromUtf8(CoBrandPageAddress(MakerHosts()));
}
QString HomePageAddress() {
    return QString::fromUtf8(HomePageAddress(MakerHosts()));
}
QString DownloadPageAddress() {
    return QString::fromUtf8(DownloadPageAddress(MakerHosts()));
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
