#pragma once

#include <QString>

namespace korvane {

// The program's title, used on every message box.
inline const QString kProgramTitle = QStringLiteral("Korvane");

// The executable's base name, which also names the per-user settings store.
inline const QString kApplicationName = QStringLiteral("korvane");

} // namespace korvane
