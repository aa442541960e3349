// Times one reading as the user sees it: from the click on "&Get My Lucky Car
// Color" in the birth details window (the moment the button is released)
// until the result window's first frame has been painted and handed to the
// X server. Then presses Back, which brings a fresh birth details window,
// and starts over with another birth date. Runs the program's own windows
// with the application set up the way start-up sets it up; meant for a real
// X server (xcb), so that the windows are mapped and painted for real.
//
//   reading_timer [timed readings] [warm-up readings]
//
// Prints one line of key=value pairs (times in ms) and exits non-zero when a
// reading does not arrive or shows something other than the engine's result.
// Run under valgrind --tool=callgrind --instr-atstart=no, it counts the
// instructions of the timed readings only (bench/reading_instructions.sh).
#include "astrology.h"
#include "birth_details_window.h"
#include "find_control.h"
#include "program_identity.h"
#include "program_look.h"
#include "result_window.h"
#include "startup.h"
#include "value_label.h"
#include "window_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <QWindow>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define KORVANE_START_COUNTING() CALLGRIND_START_INSTRUMENTATION
#define KORVANE_STOP_COUNTING() CALLGRIND_STOP_INSTRUMENTATION
#else
#define KORVANE_START_COUNTING()
#define KORVANE_STOP_COUNTING()
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using korvane::Control;
using korvane::frmLuckyCarResult;
using korvane::frmMain;
using korvane::WindowRegistry;

// Runs the event loop until done() holds; false when timeoutMs went by first.
// Unlike QTest::qWaitFor, it never sleeps between passes, which would land
// inside a timed reading while the X server's expose is on its way.
bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs) {
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

// Notes when the result window's first frame is done: Qt paints a window
// and hands the picture to the X server while it handles an expose event of
// the window, so the watch lets that expose through itself and looks at the
// clock when it returns. (Timing the return of the event loop instead would
// also count whatever else the loop found queued, such as the X server's
// own expose that follows every mapping.) Under callgrind, the instructions
// between the click and that moment are the ones counted.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(const QElapsedTimer& clock) : clock_(clock) {}

    void Arm(QWidget* window) {
        window_ = window;
        window->installEventFilter(this);
        window->windowHandle()->installEventFilter(this);
    }
    bool Done() const { return doneNs_ >= 0; }
    qint64 DoneNs() const { return doneNs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (Done())
            return false;
        if (watched == window_ && event->type() == QEvent::Paint)
            painted_ = true;
        if (watched == window_->windowHandle() && event->type() == QEvent::Expose) {
            watched->event(event);
            if (painted_) {
                doneNs_ = clock_.nsecsElapsed();
                KORVANE_STOP_COUNTING();
            }
            return true;
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
    QWidget* window_ = nullptr;
    bool painted_ = false;
    qint64 doneNs_ = -1;
};

// Notes whether a paint reached any result window before the watch above
// could be installed on it (which would make a reading look slower than it
// is, or never end).
class EarlyPaintGuard : public QObject {
public:
    bool sawPaint = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && qobject_cast<frmLuckyCarResult*>(watched))
            sawPaint = true;
        return false;
    }
};

// Lets everything that is pending settle: deferred deletes, paints, X events.
void Settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

int Fail(const char* what, int reading) {
    std::fprintf(stderr, "reading_timer: reading %d: %s\n", reading, what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int timed = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const int warmUp = argc > 2 ? std::max(0, std::atoi(argv[2])) : 3;

    // As the program's start-up does.
    QApplication::setApplicationName(korvane::kApplicationName);
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVANE_DESKTOP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    korvane::ApplyProgramLook();

    EarlyPaintGuard guard;
    application.installEventFilter(&guard);

    WindowRegistry& windows = WindowRegistry::Instance();
    windows.Use<frmMain>().ShowCentred();
    Settle(50);
    korvane::FinishStartUp();

    std::vector<double> toPaint, handOff;
    double firstReading = -1;
    for (int reading = 0; reading < warmUp + timed; ++reading) {
        frmMain* details = windows.Find<frmMain>();
        if (!details)
            return Fail("no birth details window", reading);
        if (!ProcessEventsUntil([details] { return details->isVisible(); }, 5000))
            return Fail("birth details window not shown", reading);
        Settle(30);

        // A different real birth date each time.
        const int day = 1 + (reading * 7) % 28;
        const int month = reading % 12;
        const int yearIndex = (reading * 13) % 151;
        const bool male = reading % 2 == 0;
        Control<QLineEdit>(*details, "txtName")
            ->setText(QStringLiteral("Benchmark %1").arg(reading));
        Control<QComboBox>(*details, "cboDate")->setCurrentIndex(day - 1);
        Control<QComboBox>(*details, "cboMonth")->setCurrentIndex(month);
        Control<QComboBox>(*details, "cboYear")->setCurrentIndex(yearIndex);
        Control<QRadioButton>(*details, male ? "optSex0" : "optSex1")->setChecked(true);
        const QString monthName = Control<QComboBox>(*details, "cboMonth")->currentText();
        // The user sees what was entered, and the button go down, before
        // letting go of it: the reading starts when the button is released.
        auto* proceed = Control<QPushButton>(*details, "cmdProceed");
        Settle(10);
        QTest::mousePress(proceed, Qt::LeftButton);
        Settle(10);

        guard.sawPaint = false;
        QElapsedTimer clock;
        FirstFrameWatch watch(clock);
        if (reading >= warmUp)
            KORVANE_START_COUNTING();
        clock.start();
        QTest::mouseRelease(proceed, Qt::LeftButton);
        const qint64 clickReturned = clock.nsecsElapsed();
        QPointer<frmLuckyCarResult> result = windows.Find<frmLuckyCarResult>();
        if (!result)
            return Fail("the click brought no result window", reading);
        if (guard.sawPaint)
            return Fail("result window painted before it could be watched", reading);
        watch.Arm(result);
        if (!ProcessEventsUntil([&watch] { return watch.Done(); }, 5000))
            return Fail("result window never painted", reading);
        const qint64 painted = watch.DoneNs();

        // The window shows the engine's reading for the date that was entered.
        const auto choice = korvane::ChooseSignAndColour(day, monthName.toStdString());
        const QString expectedSign = QString::fromUtf8(
            korvane::SunSigns()[choice.signIndex].name.data(),
            static_cast<qsizetype>(korvane::SunSigns()[choice.signIndex].name.size()));
        if (Control<QLabel>(*result, "lblLuckyCar_Result4")->text() != expectedSign)
            return Fail("result window shows another sun sign than the engine's", reading);
        if (windows.Find<frmMain>())
            return Fail("birth details window still loaded after the reading", reading);

        if (reading == 0)
            firstReading = static_cast<double>(painted) / 1e6;
        if (reading >= warmUp) {
            toPaint.push_back(static_cast<double>(painted) / 1e6);
            handOff.push_back(static_cast<double>(clickReturned) / 1e6);
        }

        Control<QPushButton>(*result, "cmdBack")->click();
        if (!ProcessEventsUntil([&result] { return result.isNull(); }, 5000))
            return Fail("Back did not close the result window", reading);
    }

    std::printf("reading_ms_median=%.2f reading_ms_min=%.2f reading_ms_p90=%.2f "
                "reading_ms_max=%.2f handoff_ms_median=%.2f first_reading_ms=%.2f readings=%d "
                "warmup=%d platform=%s qt=%s\n",
                Median(toPaint), *std::min_element(toPaint.begin(), toPaint.end()),
                Percentile(toPaint, 0.9), *std::max_element(toPaint.begin(), toPaint.end()),
                Median(handOff), firstReading, timed, warmUp,
                qPrintable(QGuiApplication::platformName()), qVersion());
    std::fflush(stdout);
    windows.DestroyAll();
    return 0;
}
