#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The maker's three hosts; each face of the program passes in its own
// (from the program's identity).
struct SiteHosts {
    std::string_view main;
    std::string_view help;
    std::string_view product;
};

// A site's root with its trailing "/". Every page goes over TLS: the
// refer-a-friend request carries people's names and e-mail addresses.
std::string SiteRoot(std::string_view host);

// The fixed address of each of the maker's pages.
std::string HomePageAddress(const SiteHosts& hosts);
std::string ProductSiteRoot(const SiteHosts& hosts);
std::string SoftwaresPageAddress(const SiteHosts& hosts);
std::string DonatePageAddress(const SiteHosts& hosts);
std::string OnlineHelpAddress(const SiteHosts& hosts);
std::string FullBrandPageAddress(const SiteHosts& hosts);
std::string CoBrandPageAddress(const SiteHosts& hosts);
std::string DownloadPageAddress(const SiteHosts& hosts);
// The refer-a-friend page, without a query.
std::string ReferAFriendPageAddress(const SiteHosts& hosts);

} // namespace korvane
