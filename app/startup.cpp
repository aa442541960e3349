#include "startup.h"

#include "birth_details_window.h"
#include "catalogue.h"
#include "display_check.h"
#include "languages.h"
#include "look.h"
#include "platform.h"
#include "program_icon.h"
#include "program_identity.h"
#include "program_look.h"
#include "program_random.h"
#include "running_copy_mark.h"
#include "shown_text.h"
#include "single_instance_guard.h"
#include "update_reminder.h"
#include "window_registry.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <functional>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvane {

std::int16_t CoBrandNumber(float r) {
    // Exact in double: a float has 24 significant bits.
    const double x = static_cast<double>(r) * 6.0 + 1.0;
    const double below = std::floor(x);
    const double fraction = x - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return static_cast<std::int16_t>(rounded);
}

bool CoBrandInFront(std::int16_t coBrandNumber) {
    return coBrandNumber == 1 || coBrandNumber == 3 || coBrandNumber == 5;
}

void CoBrand_Randomize() {
    const std::int16_t intCoBrandRandomNumber = CoBrandNumber(TheProgramRandom().NextSingle());
    if (auto* window = WindowRegistry::Instance().Find<frmMain>())
        window->BringCoBrandToFront(CoBrandInFront(intCoBrandRandomNumber));
}

namespace {

// Runs work once, after the window's first frame has been painted and handed
// to the window system. That frame is drawn while the window's first expose
// event is handled; a zero timer started as it arrives fires only after
// that. A platform that sends no expose, or a window without a native window
// to watch, still gets the work, at the latest some seconds after showing.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QWidget& window, std::function<void()> work)
        : QObject(QCoreApplication::instance()), work_(std::move(work)) {
        if (QWindow* handle = window.windowHandle())
            handle->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, &AfterFirstFrame::Run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &AfterFirstFrame::Run);
        }
        return false;
    }

private:
    // Long enough never to come before the first frame, even under valgrind.
    static constexpr int kLatestMs = 10000;

    void Run() {
        if (done_)
            return;
        done_ = true;
        work_();
        deleteLater();
    }

    std::function<void()> work_;
    bool done_ = false;
};

} // namespace

void FinishStartUp() {
    QApplication::setWindowIcon(ProgramIcon());
    KeepNoPicturesOfControls();
}

void UseUsersLanguage() {
    const int catalogue = CatalogueFor(UserLanguages());
    if (catalogue == kEnglish)
        return;
    SetShownCatalogue(catalogue);
    UseQtTranslations(QString::fromUtf8(Catalogues()[catalogue].code));
    SetMessageButtonTexts({ShownText(TextId::MessageOk), ShownText(TextId::MessageYes),
                           ShownText(TextId::MessageNo)});
}

int RunKorvane(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs("korvane: no display found; Korvane needs a graphical session "
                   "(X11 or Wayland) to run.\n",
                   stderr);
        return EXIT_FAILURE;
    }

    // Every copy, even one about to be turned away, keeps the installer from
    // replacing the files it runs from.
    const RunningCopyMark runningCopy;
    QApplication application(argc, argv);
    QApplication::setApplicationName(kApplicationName);
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVANE_DESKTOP_ID));
    // Only the exit promotion window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyProgramLook();
    UseUsersLanguage();

    SingleInstanceGuard guard;
    switch (guard.Claim()) {
    case InstanceClaim::AlreadyRunning:
        QApplication::setWindowIcon(ProgramIcon());
        ThePlatform().ShowMessage(nullptr, ShownText(TextId::MessageAlreadyRunning),
                                  MessageIcon::Information, MessageButtons::Ok);
        return EXIT_SUCCESS;
    case InstanceClaim::Unguarded:
        std::fputs("korvane: cannot set up the single-instance lock; starting without it.\n",
                   stderr);
        break;
    case InstanceClaim::First:
        break;
    }

    TheProgramRandom().SeedFromClock();
    CheckUpdateReminder();
    WindowRegistry& windows = WindowRegistry::Instance();
    {
        // While the first window is built and shown, the program's font is
        // the application's: the name box lays out its empty text in the
        // application's font before it takes the window's, and that alone
        // would load a second font. Menus and message boxes get the system's
        // font back before anything is drawn.
        const QFont systemFont = QApplication::font();
        QApplication::setFont(ProgramFont());
        windows.Use<frmMain>().ShowCentred();
        QApplication::setFont(systemFont);
    }
    CoBrand_Randomize();
    new AfterFirstFrame(windows.Use<frmMain>(), FinishStartUp);

    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    windows.DestroyAll();
    return status;
}

} // namespace korvane
