#include "window_test_support.h"

#include "window_registry.h"

#include <QApplication>
#include <QCoreApplication>

namespace korvane {

WindowTestBed::WindowTestBed() {
    WindowRegistry::Instance().DestroyAll();
    WindowRegistry::Instance().SetProcessEnder([this] { ++endRequests; });
    QApplication::setQuitOnLastWindowClosed(false);
}

WindowTestBed::~WindowTestBed() {
    Settle();
    WindowRegistry::Instance().DestroyAll();
    Settle();
}

QStringList VisibleWindowNames() {
    QStringList names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && !widget->objectName().isEmpty())
            names.append(widget->objectName());
    }
    names.sort();
    return names;
}

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace korvane
