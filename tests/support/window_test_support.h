#pragma once

#include "find_control.h"
#include "recording_platform.h"
#include "window_registry.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace korvane {

class frmLuckyCarResult;

// Sets up each window test: a recording platform instead of the desktop, a
// process ender that only counts, and no windows left over from the test
// before. Create one in init() and destroy it in cleanup().
class WindowTestBed {
public:
    WindowTestBed();
    ~WindowTestBed();

    RecordingPlatform platform;
    int endRequests = 0;
};

// The program's window of a kind: made if need be (Use), made and shown as
// the program shows it (Shown), or the one there is, if any (Find).
template <class Window> Window& Use() {
    return WindowRegistry::Instance().Use<Window>();
}
template <class Window> Window* Find() {
    return WindowRegistry::Instance().Find<Window>();
}
template <class Window> Window& Shown() {
    Window& window = Use<Window>();
    window.ShowCentred();
    return window;
}

// The base of a window test: a fresh bed for each test function.
class WindowTest : public QObject {
    Q_OBJECT
protected slots:
    void init() { bed = std::make_unique<WindowTestBed>(); }
    void cleanup() { bed.reset(); }

protected:
    std::unique_ptr<WindowTestBed> bed;
};

// The top-level windows of the program that are visible now, by object name,
// sorted.
QStringList VisibleWindowNames();

// Picks a birth date in the birth details window's lists by their texts,
// the month by its English name; an empty year leaves the year as it is.
// False when a text is not in its list.
bool ChooseBirthDate(const QWidget& window, int day, const QString& month,
                     const QString& year = QString());

// Fills the birth details window (making it if need be) and presses its
// button, as the user does; the result window that comes up, or nothing.
frmLuckyCarResult* ReadingFromTheForm(const QString& name, int day, const QString& month,
                                      const QString& year, bool male = true);

// Closes whatever modal window is still up a few seconds after it is made,
// so that a test driving a modal window fails instead of waiting on it until
// its time runs out.
class ModalFailsafe {
public:
    ModalFailsafe();
    bool Fired() const { return !timer_.isActive(); }

private:
    QTimer timer_;
};

// The colours the result window's five swatches show, as "#rrggbb".
QStringList SwatchColours(const QWidget& window);

// The texts of a window's labels, by their object names.
QStringList LabelTexts(const QWidget& window, const QStringList& names);

// Processes pending events, including deferred deletions.
void Settle();

// The threads of Qt's global thread pool in this process now, by id (Linux,
// from /proc; empty elsewhere). Qt's raster engine shares large stretched
// pictures out to them, and they then stay for half a minute; other threads
// of the desktop's libraries come and go as they please.
QStringList PooledThreads();

} // namespace korvane
