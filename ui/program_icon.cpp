#include "program_icon.h"

namespace korvane {

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        QIcon loaded;
        for (const int size : {16, 24, 32, 48, 64, 128, 256})
            loaded.addFile(QStringLiteral(":/korvane/icons/korvane-%1.png").arg(size),
                           QSize(size, size));
        return loaded;
    }();
    return icon;
}

} // namespace korvane
