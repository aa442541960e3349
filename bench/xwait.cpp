// xwait: starts a program, polls the X server until a top-level window with
// the given title (and, when the window carries _NET_WM_PID, the started
// process's id) is viewable, and reports the time from just before the
// program was started. Between polls it sleeps on the X connection, so that
// a map of any top-level window wakes it at once and the polling itself
// keeps the X server (and the CPUs) as idle as possible. After a pause it samples the process's
// memory from /proc and ends the process.
//
//   xwait --title TITLE [--any-pid] [--rss-after-ms 300] [--timeout-ms 15000] -- PROGRAM [ARGS...]
//
// --any-pid accepts a window of another process id, for programs started
// through a wrapper such as strace. The program runs in a process group of
// its own, and the whole group is ended at the end.
//
// Prints one line of key=value pairs:
//   pid=... startup_ms=... rss_kb=... rss_anon_kb=... rss_file_kb=... rss_shmem_kb=... pss_kb=...
// Exits non-zero, with a message on stderr, when the program ends early or no
// such window appears in time.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

double NowMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SleepMs(double ms) {
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

// Windows may go away between listing and asking about them.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

std::string WindowTitle(Display* display, Window window, Atom netWmName, Atom utf8String) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8String, &type, &format,
                           &count, &after, &data) == Success &&
        data && type == utf8String && format == 8) {
        title.assign(reinterpret_cast<char*>(data), count);
    }
    if (data)
        XFree(data);
    if (!title.empty())
        return title;
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// The _NET_WM_PID of the window, or -1 when it has none.
long WindowPid(Display* display, Window window, Atom netWmPid) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && type == XA_CARDINAL && format == 32 && count == 1) {
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data)
        XFree(data);
    return pid;
}

bool ViewableWindowExists(Display* display, const std::string& title, pid_t pid, bool anyPid) {
    static const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    static const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
    static const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, children[i], &attributes) ||
            attributes.map_state != IsViewable)
            continue;
        if (WindowTitle(display, children[i], netWmName, utf8String) != title)
            continue;
        const long windowPid = WindowPid(display, children[i], netWmPid);
        found = anyPid || windowPid == -1 || windowPid == static_cast<long>(pid);
    }
    if (children)
        XFree(children);
    return found;
}

std::map<std::string, long> StatusKb(pid_t pid) {
    std::map<std::string, long> values;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        long kb = 0;
        if (fields >> key >> kb && !key.empty() && key.back() == ':') {
            key.pop_back();
            values[key] = kb;
        }
    }
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    while (std::getline(rollup, line)) {
        std::istringstream fields(line);
        std::string key;
        long kb = 0;
        if (fields >> key >> kb && key == "Pss:")
            values["Pss"] = kb;
    }
    return values;
}

void EndChild(pid_t pid) {
    kill(-pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            kill(-pid, SIGKILL); // whatever is left of the group
            return;
        }
        SleepMs(10);
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int Usage() {
    std::fputs("usage: xwait --title TITLE [--any-pid] [--rss-after-ms MS] [--timeout-ms MS] -- "
               "PROGRAM [ARGS...]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string title;
    double rssAfterMs = 300;
    double timeoutMs = 15000;
    bool anyPid = false;
    int programIndex = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--" && i + 1 < argc) {
            programIndex = i + 1;
            break;
        }
        if (arg == "--any-pid") {
            anyPid = true;
            continue;
        }
        if (i + 1 >= argc)
            return Usage();
        if (arg == "--title")
            title = argv[++i];
        else if (arg == "--rss-after-ms")
            rssAfterMs = std::atof(argv[++i]);
        else if (arg == "--timeout-ms")
            timeoutMs = std::atof(argv[++i]);
        else
            return Usage();
    }
    if (title.empty() || programIndex < 0)
        return Usage();

    // The connection is made before the clock starts.
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("xwait: cannot open the X display\n", stderr);
        return 1;
    }
    XSetErrorHandler(IgnoreXErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("xwait: fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        setpgid(0, 0);
        execvp(argv[programIndex], argv + programIndex);
        std::perror("xwait: exec");
        _exit(127);
    }

    double shown = -1;
    while (NowMs() - start < timeoutMs) {
        if (ViewableWindowExists(display, title, pid, anyPid)) {
            shown = NowMs();
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "xwait: %s ended (status %d) before showing \"%s\"\n",
                         argv[programIndex], status, title.c_str());
            return 1;
        }
        // Wait for the next window event (a map, most likely) or 5 ms.
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        if (!XPending(display))
            poll(&connection, 1, 5);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
    }
    if (shown < 0) {
        std::fprintf(stderr, "xwait: no viewable window \"%s\" within %.0f ms\n", title.c_str(),
                     timeoutMs);
        EndChild(pid);
        return 1;
    }

    SleepMs(rssAfterMs);
    const auto kb = StatusKb(pid);
    if (!kb.count("VmRSS")) {
        std::fprintf(stderr, "xwait: cannot read the memory of process %d\n", pid);
        EndChild(pid);
        return 1;
    }
    std::printf("pid=%d startup_ms=%.2f rss_kb=%ld rss_anon_kb=%ld rss_file_kb=%ld "
                "rss_shmem_kb=%ld pss_kb=%ld\n",
                pid, shown - start, kb.at("VmRSS"), kb.count("RssAnon") ? kb.at("RssAnon") : -1,
                kb.count("RssFile") ? kb.at("RssFile") : -1,
                kb.count("RssShmem") ? kb.at("RssShmem") : -1, kb.count("Pss") ? kb.at("Pss") : -1);
    std::fflush(stdout);
    EndChild(pid);
    XCloseDisplay(display);
    return 0;
}
