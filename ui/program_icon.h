#pragma once

#include <QIcon>

namespace korvane {

// The program's icon: a car, drawn at every size it is shown in.
QIcon ProgramIcon();

// The icon as a picture of the given logical size at the given scale, taken
// from the image with that many pixels: Qt 6.8 would scale up the image of
// the logical size instead, and the picture would look blurred.
QPixmap ProgramIconPicture(int size, qreal scale);

} // namespace korvane
