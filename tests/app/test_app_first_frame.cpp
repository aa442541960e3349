// Starts the program as its main() does, on an X server, and finds the work
// that waits for the first frame done: Qt's picture cache left without room
// and the program's icon set for every window.
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QPixmapCache>
#include <QTimer>

#include <cstdio>

namespace {

constexpr qint64 kDeadlineMs = 30000;
bool deferredWorkDone = false;

// Runs as the program makes its application object: watches, from the
// program's own event loop, for the deferred work, then ends that loop.
void WatchForDeferredWork() {
    auto* poll = new QTimer(QCoreApplication::instance());
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock] {
        deferredWorkDone = QPixmapCache::cacheLimit() == 0 && !QApplication::windowIcon().isNull();
        if (!deferredWorkDone && clock->elapsed() < kDeadlineMs)
            return;
        poll->stop();
        delete clock;
        QCoreApplication::exit(0);
    });
    poll->start(20);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForDeferredWork)

int main(int argc, char** argv) {
    const int status = korvane::RunKorvane(argc, argv);
    if (status != 0 || !deferredWorkDone) {
        std::fprintf(stderr,
                     "FAIL: the program ended with %d; picture cache without room and icon "
                     "set: %s\n",
                     status, deferredWorkDone ? "yes" : "no");
        return 1;
    }
    std::puts("PASS: picture cache without room and icon set after the first frame");
    return 0;
}
