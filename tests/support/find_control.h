#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace korvane {

// A window's control by its object name, which is the name the program's
// design gives it ("txtName", "optSex1"). Stops the test or the benchmark
// when there is none.
template <class T> T* Control(const QObject& window, const QString& name) {
    auto* found = window.findChild<T*>(name);
    if (!found)
        qFatal("%s has no control %s of that kind", qPrintable(window.objectName()),
               qPrintable(name));
    return found;
}

} // namespace korvane
