#pragma once

#include <string_view>

namespace korvane {

// The about window's texts, in UTF-8; its title is the program's caption.

// What the program does.
inline constexpr std::string_view kAboutDescription =
    "Korvane gives you the choice of the best color that you should choose for your car based on "
    "astrology or Feng Shui. It helps you pick the color that brings you peace of mind and "
    "happiness every time you take the wheel.";

// The link to the maker's home page.
inline constexpr std::string_view kAboutHomeLink = "Click here to visit Quillory";

// The full-branding offer and its link.
inline constexpr std::string_view kAboutOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.";
inline constexpr std::string_view kAboutOfferLink = "Click here for more details";

} // namespace korvane
