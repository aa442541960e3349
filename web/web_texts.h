#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The texts and addresses the page shows around the reading: the birth
// details window's invitation and offers, the about window, the maker's
// links and the refer-a-friend form. The desktop keeps the same texts as Qt
// strings in ui/ and outreach/, which may not reach down to this code.

inline constexpr std::string_view kIntroText =
    "Your car color reflects your personality. Choose your car color based on Astrology & "
    "Feng Shui. Choose the color that suits your purpose in life. Just enter your name and date "
    "of birth to get started!";
inline constexpr std::string_view kForumInvitation =
    "Talk car colors with friends in our forum. Click Here To Visit Quillory Now.";
// The result page shows it without its final full stop.
inline constexpr std::string_view kForumInvitationShort =
    "Talk car colors with friends in our forum. Click Here To Visit Quillory Now";
inline constexpr std::string_view kCoBrandOffer =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details. Click Here for more info on co-branding.";
inline constexpr std::string_view kFullBrandOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.";
inline constexpr std::string_view kAboutDescription =
    "Korvane gives you the choice of the best color that you should choose for your car based on "
    "astrology or Feng Shui. It helps you pick the color that brings you peace of mind and "
    "happiness every time you take the wheel.";
inline constexpr std::string_view kAboutHomeLink = "Click here to visit Quillory";
inline constexpr std::string_view kAboutOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.";
inline constexpr std::string_view kAboutOfferLink = "Click here for more details";

// The refer-a-friend fields in the order they are checked.
enum ReferField { kReferName, kReferEmail, kReferMessage, kReferFriendName, kReferFriendEmail };
inline constexpr int kReferFieldCount = 5;

// The page's addresses on the maker's sites, all over https.
std::string SiteRoot(std::string_view host);
std::string MainSiteRoot();
std::string HelpSiteRoot();
std::string ProductSiteRoot();

} // namespace korvane
