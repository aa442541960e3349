// Another program on the same X display: it copies the text given on the
// command line to the clipboard ("clipboard") or to the primary selection
// ("selection"), says "ready" and serves it until it is killed.

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fputs("usage: platform_clipboard_owner clipboard|selection TEXT\n", stderr);
        return 2;
    }
    const QClipboard::Mode mode =
        std::strcmp(argv[1], "selection") == 0 ? QClipboard::Selection : QClipboard::Clipboard;
    QGuiApplication::clipboard()->setText(QString::fromUtf8(argv[2]), mode);
    QTimer::singleShot(0, [] {
        std::puts("ready");
        std::fflush(stdout);
    });
    return application.exec();
}
