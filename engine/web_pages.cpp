#include "web_pages.h"

namespace korvane {

std::string SiteRoot(std::string_view host) {
    return "https://" + std::string(host) + "/";
}

std::string HomePageAddress(const SiteHosts& hosts) {
    return SiteRoot(hosts.main);
}
std::string ProductSiteRoot(const SiteHosts& hosts) {
    return SiteRoot(hosts.product);
}
std::string SoftwaresPageAddress(const SiteHosts& hosts) {
    return SiteRoot(hosts.main) + "softwares.html";
}
std::string DonatePageAddress(const SiteHosts& hosts) {
    return SiteRoot(hosts.help) + "donate.html";
}
std::string OnlineHelpAddress(const SiteHosts& hosts) {
    return SiteRoot(hosts.product) + "korvane-help.html";
}
std::string FullBrandPageAddress(const SiteHosts& hosts) {
    return SiteRoot(hosts.help) + "fully-branded.html";
}
std::string CoBrandPageAddress(const SiteHosts& hosts) {
    return SiteRoot(hosts.help) + "co-brand.html";
}
std::string DownloadPageAddress(const SiteHosts& hosts) {
    return SiteRoot(hosts.product) + "download-korvane.html";
}
std::string ReferAFriendPageAddress(const SiteHosts& hosts) {
    return SiteRoot(hosts.main) + "tell-a-friend.html";
}

} // namespace korvane
