// The smallest Qt Widgets program that looks like Korvane's first window
// from the outside: a main window with a one-entry "&File" menu and a
// central widget of 488 x 301 logical pixels. Start-up time and memory of
// Korvane are measured against this program.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Qt baseline"));
    window.menuBar()
        ->addMenu(QStringLiteral("&File"))
        ->addAction(QStringLiteral("E&xit"), &application, &QApplication::quit);
    auto* client = new QWidget(&window);
    client->setFixedSize(488, 301);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
