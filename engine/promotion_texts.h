#pragma once

#include <string_view>

namespace korvane {

// The texts around the birth details form and the reading, in UTF-8.

// The introduction above the birth details.
inline constexpr std::string_view kIntroText =
    "Your car color reflects your personality. Choose your car color based on Astrology & "
    "Feng Shui. Choose the color that suits your purpose in life. Just enter your name and date "
    "of birth to get started!";

// The invitation to the maker's discussion forum.
inline constexpr std::string_view kForumInvitation =
    "Talk car colors with friends in our forum. Click Here To Visit Quillory Now.";

// The result shows the invitation without its final full stop.
constexpr std::string_view ForumInvitationWithoutFullStop() {
    std::string_view text = kForumInvitation;
    if (text.ends_with('.'))
        text.remove_suffix(1);
    return text;
}

// The full-branding offer on both main windows.
inline constexpr std::string_view kFullBrandOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.";

// The co-branding offer on both main windows, as it is shown: its caption
// escapes the one "&" as "&&" the way an access-key caption does, which
// shows a single "&".
inline constexpr std::string_view kCoBrandOffer =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details. Click Here for more info on co-branding.";

} // namespace korvane
