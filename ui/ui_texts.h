#pragma once

#include "korvane_identity.h"

#include <QString>

namespace korvane {

// Texts that more than one window shows.

inline QString kWindowCaptionText() {
    return QStringLiteral(KORVANE_CAPTION);
}

// The invitation to the maker's discussion forum on the birth details
// window; the result window shows it without the final full stop.
inline QString ForumInvitation() {
    return QStringLiteral("Talk car colors with friends in our forum. "
                          "Click Here To Visit Quillory Now.");
}

// The full-branding offer on both main windows.
inline QString FullBrandOfferText() {
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. Click "
                          "here for more details.");
}

// The co-branding offer as designed; "&&" stands for one "&", the way an
// access-key caption escapes it.
inline QString CoBrandOfferCaption() {
    return QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                          "to your site. Put your site's name &&  link here. See \"Help\" for "
                          "details. Click Here for more info on co-branding.");
}

// The co-branding offer as it is shown.
inline QString CoBrandOfferText() {
    QString shown = CoBrandOfferCaption();
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return shown;
}

// The paragraph of the about window.
inline QString AboutDescription() {
    return QStringLiteral("Korvane gives you the choice of the best color that you should choose "
                          "for your car based on astrology or Feng Shui. It helps you pick the "
                          "color that brings you peace of mind and happiness every time you "
                          "take the wheel.");
}

} // namespace korvane
