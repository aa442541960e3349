#include "program_icon.h"

#include <QPixmap>

namespace korvane {

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        QIcon loaded;
        // The sizes a window and its pictures use; the desktop takes larger
        // ones from the installed icon theme. Each one is decoded at start.
        for (const int size : {16, 32, 48, 64})
            loaded.addFile(QStringLiteral(":/korvane/icons/korvane-%1.png").arg(size),
                           QSize(size, size));
        return loaded;
    }();
    return icon;
}

QPixmap ProgramIconPicture(int size, qreal scale) {
    const int pixels = qRound(size * scale);
    QPixmap picture = ProgramIcon().pixmap(QSize(pixels, pixels), 1.0);
    picture.setDevicePixelRatio(scale);
    return picture;
}

} // namespace korvane
