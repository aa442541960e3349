// Starts the program as its main() does, on an X server, and checks that the
// work that waits for the first frame (Qt's picture cache left without room
// and the program's icon set for every window) is not done when the first
// window is first exposed and painted, and is done soon after.
#include "startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QIcon>
#include <QPixmapCache>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace {

// Only a safety net: reaching it fails.
constexpr qint64 kDeadlineMs = 30000;

bool DeferredWorkDone() {
    return QPixmapCache::cacheLimit() == 0 && !QApplication::windowIcon().isNull();
}

// What was seen at the first window's first expose and first paint, and after.
struct Seen {
    bool exposed = false;
    bool painted = false;
    bool doneAtExpose = false;
    bool doneAtPaint = false;
    bool doneAfter = false;
};
Seen seen;

// Sees every event before its receiver does, so before the program's own
// watch for the first frame.
class FirstFrameWatch : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen.exposed && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isTopLevel() && window->isExposed()) {
                seen.exposed = true;
                seen.doneAtExpose = DeferredWorkDone();
            }
        } else if (!seen.painted && event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow()) {
                seen.painted = true;
                seen.doneAtPaint = DeferredWorkDone();
            }
        }
        return false;
    }
};

// Runs as the program makes its application object; ends the program's event
// loop as soon as the work is done after the first frame, or at the deadline.
void WatchFirstFrame() {
    auto* app = QCoreApplication::instance();
    auto* watch = new FirstFrameWatch;
    watch->setParent(app);
    app->installEventFilter(watch);
    auto* poll = new QTimer(app);
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock] {
        seen.doneAfter = seen.exposed && seen.painted && DeferredWorkDone();
        if (!seen.doneAfter && clock->elapsed() < kDeadlineMs)
            return;
        poll->stop();
        delete clock;
        QCoreApplication::exit(0);
    });
    poll->start(5);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchFirstFrame)

int main(int argc, char** argv) {
    const int status = korvane::RunKorvane(argc, argv);
    const auto yesNo = [](bool b) { return b ? "yes" : "no"; };
    std::printf("first expose seen: %s, work done then: %s; first paint seen: %s, work done "
                "then: %s; done afterwards: %s\n",
                yesNo(seen.exposed), yesNo(seen.doneAtExpose), yesNo(seen.painted),
                yesNo(seen.doneAtPaint), yesNo(seen.doneAfter));
    const bool pass = status == 0 && seen.exposed && seen.painted && !seen.doneAtExpose &&
                      !seen.doneAtPaint && seen.doneAfter;
    if (!pass) {
        std::fprintf(stderr,
                     "FAIL: the program ended with %d; the work must wait for the first "
                     "frame and be done after it, within %lld s\n",
                     status, static_cast<long long>(kDeadlineMs / 1000));
        return 1;
    }
    std::puts("PASS: the work waits for the first frame and is done after it");
    return 0;
}
