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

namespace {

void OpenPage(std::string (*address)(const SiteHosts&)) {
    OpenWebPage(QString::fromStdString(address(MakerHosts())));
}

} // namespace

void OpenSoftwaresPage() {
    OpenPage(SoftwaresPageAddress);
}
void OpenDonatePage() {
    OpenPage(DonatePageAddress);
}
void OpenOnlineHelp() {
    OpenPage(OnlineHelpAddress);
}
void OpenFullBrandPage() {
    OpenPage(FullBrandPageAddress);
}
void OpenCoBrandPage() {
    OpenPage(CoBrandPageAddress);
}
void OpenHomePage() {
    OpenPage(HomePageAddress);
}
void OpenDownloadPage() {
    OpenPage(DownloadPageAddress);
}

} // namespace korvane
