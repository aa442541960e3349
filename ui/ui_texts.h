#pragma once

#include "korvane_identity.h"

#include <QString>

namespace korvane {

// Texts that more than one window shows.

inline QString kWindowCaptionText() {
    return QStringLiteral(KORVANE_CAPTION);
}

} // namespace korvane
