// A long session: reading after reading in one process, as a user who keeps
// going would do it (name, birth date, sex, "Get My Lucky Car Color", then
// Back), with the program's own windows shown and painted on a real X
// server, set up as the program's start-up sets them up. Samples the
// process's resident memory at the given readings.
//
//   reading_soak READINGS [CHECKPOINT ...] [--max-kb-per-reading LIMIT]
//
// Prints one line "rss_kb_at_N=KB ..." for every checkpoint (and for the
// last reading). With a limit, it fails when memory grew by more than LIMIT
// kB per reading from the first checkpoint to the end: a program that
// keeps nothing between readings stays flat once its caches are warm.
// Used by bench/run.sh (the soak) and by the test suite (a shorter run).
#include "birth_details_window.h"
#include "find_control.h"
#include "program_identity.h"
#include "program_look.h"
#include "result_window.h"
#include "startup.h"
#include "window_registry.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <cstdio>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using korvane::Control;
using korvane::frmLuckyCarResult;
using korvane::frmMain;
using korvane::WindowRegistry;

void Settle(int ms) {
    QTest::qWait(ms);
}

// VmRSS of this process in kB.
std::optional<long> ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return std::nullopt;
}

// Painted and handed to the X server at least once.
class PaintSeen : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

// As a window manager does with a new window: it becomes the active one,
// which is also what the user types into.
bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return window->isActiveWindow(); }, 5000);
}

// One reading; false (with the reason on stderr) when it did not go through.
bool OneReading(int reading) {
    WindowRegistry& windows = WindowRegistry::Instance();
    frmMain* details = windows.Find<frmMain>();
    if (!details || !QTest::qWaitFor([details] { return details->isVisible(); }, 5000) ||
        !Activate(details)) {
        std::fprintf(stderr, "reading_soak: reading %d: no birth details window\n", reading);
        return false;
    }
    Settle(5);
    auto* name = Control<QLineEdit>(*details, "txtName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("Reader %1").arg(reading));
    Control<QComboBox>(*details, "cboDate")->setCurrentIndex(reading % 28);
    Control<QComboBox>(*details, "cboMonth")->setCurrentIndex(reading % 12);
    Control<QComboBox>(*details, "cboYear")->setCurrentIndex((reading * 13) % 151);
    Control<QRadioButton>(*details, reading % 2 ? "optSex1" : "optSex0")->setChecked(true);
    QTest::mouseClick(Control<QPushButton>(*details, "cmdProceed"), Qt::LeftButton);

    QPointer<frmLuckyCarResult> result = windows.Find<frmLuckyCarResult>();
    if (!result) {
        std::fprintf(stderr, "reading_soak: reading %d: no result window\n", reading);
        return false;
    }
    PaintSeen painted;
    result->installEventFilter(&painted);
    if (!QTest::qWaitFor([&painted] { return painted.seen; }, 5000)) {
        std::fprintf(stderr, "reading_soak: reading %d: result window never painted\n", reading);
        return false;
    }
    if (!Activate(result)) {
        std::fprintf(stderr, "reading_soak: reading %d: result window never active\n", reading);
        return false;
    }
    Settle(5);
    QTest::mouseClick(Control<QPushButton>(*result, "cmdBack"), Qt::LeftButton);
    if (!QTest::qWaitFor([&result] { return result.isNull(); }, 5000)) {
        std::fprintf(stderr, "reading_soak: reading %d: Back left the result window\n", reading);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(korvane::kApplicationName);
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVANE_DESKTOP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    korvane::ApplyProgramLook();

    int readings = 0;
    std::vector<int> checkpoints;
    std::optional<double> limitKb;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--max-kb-per-reading" && i + 1 < argc)
            limitKb = std::atof(argv[++i]);
        else if (readings == 0)
            readings = std::atoi(argv[i]);
        else
            checkpoints.push_back(std::atoi(argv[i]));
    }
    if (readings <= 0) {
        std::fprintf(stderr, "usage: reading_soak READINGS [CHECKPOINT ...] "
                             "[--max-kb-per-reading LIMIT]\n");
        return 2;
    }
    if (checkpoints.empty() || checkpoints.back() != readings)
        checkpoints.push_back(readings);

    frmMain& first = WindowRegistry::Instance().Use<frmMain>();
    first.ShowCentred();
    if (!QTest::qWaitFor([&first] { return first.windowHandle()->isExposed(); }, 5000))
        return 1;
    Settle(20);
    korvane::FinishStartUp();
    std::vector<long> sampled;
    std::size_t next = 0;
    for (int reading = 1; reading <= readings; ++reading) {
        if (!OneReading(reading))
            return 1;
        if (next < checkpoints.size() && reading == checkpoints[next]) {
            Settle(50);
            const std::optional<long> kb = ResidentKb();
            if (!kb) {
                std::fprintf(stderr, "reading_soak: cannot read /proc/self/status\n");
                return 1;
            }
            sampled.push_back(*kb);
            std::printf("%srss_kb_at_%d=%ld", next ? " " : "", reading, *kb);
#if defined(__GLIBC__)
            // What the heap holds for the program, apart from what it keeps
            // free: tells a kept allocation from a fragmented heap.
            std::printf(" heap_kb_at_%d=%zu", reading, mallinfo2().uordblks / 1024);
#endif
            ++next;
        }
    }
    const double perReading = sampled.size() > 1
                                  ? static_cast<double>(sampled.back() - sampled.front()) /
                                        (readings - checkpoints.front())
                                  : 0.0;
    std::printf(" kb_per_reading=%.2f\n", perReading);
    std::fflush(stdout);
    WindowRegistry::Instance().DestroyAll();
    if (limitKb && perReading > *limitKb) {
        std::fprintf(stderr,
                     "reading_soak: resident memory grew by %.2f kB per reading from reading %d "
                     "to %d, more than %.2f\n",
                     perReading, checkpoints.front(), readings, *limitKb);
        return 1;
    }
    return 0;
}
