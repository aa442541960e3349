#pragma once

#include "web_pages.h"

#include <QString>

namespace korvane {

// The maker's hosts, from the program's identity; the addresses of their
// pages are the engine's (web_pages.h).
SiteHosts MakerHosts();

// The one shell operation behind every link: hands the address to the
// desktop and returns at once. Failure is not reported.
void OpenWebPage(const QString& address);

// One routine per page of the maker's sites.
void OpenSoftwaresPage();
void OpenDonatePage();
void OpenOnlineHelp();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenHomePage();
void OpenDownloadPage();

} // namespace korvane
