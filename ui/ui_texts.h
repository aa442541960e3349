#pragma once

#include "korvane_identity.h"

#include <QString>

namespace korvane {

// Texts that more than one window shows.

inline QString kWindowCaptionText() {
    return QStringLiteral(KORVANE_CAPTION);
}

// The paragraph of the about window.
inline QString AboutDescription() {
    return QStringLiteral("Korvane gives you the choice of the best color that you should choose "
                          "for your car based on astrology or Feng Shui. It helps you pick the "
                          "color that brings you peace of mind and happiness every time you "
                          "take the wheel.");
}

} // namespace korvane
