#pragma once

#include "korvane_identity.h"

#include <QString>

namespace korvane {

// The program's title, used on every message box.
inline const QString kProgramTitle = QStringLiteral(KORVANE_PRODUCT_NAME);

// The executable's base name, which also names the per-user settings store.
inline const QString kApplicationName = QStringLiteral(KORVANE_EXECUTABLE);

} // namespace korvane
