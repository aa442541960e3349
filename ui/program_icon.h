#pragma once

#include <QIcon>

namespace korvane {

// The program's icon: a car, drawn at every size it is shown in.
QIcon ProgramIcon();

} // namespace korvane
