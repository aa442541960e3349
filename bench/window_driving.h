#pragma once

// What the benchmarks that drive the program's own windows share: finding a
// control by its object name, and running the event loop until something
// holds.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace korvane::bench {

// A window's control by its object name; the benchmark cannot go on without it.
template <class T> T* Control(const QObject& window, const char* name) {
    auto* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(EXIT_FAILURE);
    }
    return found;
}

// Runs the event loop until done() holds; false when timeoutMs went by first.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // Outside an event loop, closed windows are only deleted here.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

} // namespace korvane::bench
