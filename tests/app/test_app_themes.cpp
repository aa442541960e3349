// Every window keeps its designed colours whatever palette the desktop sets:
// each is rendered under a dark desktop and compared with the same window
// under the default one.

#include "about_window.h"
#include "birth_details_window.h"
#include "exit_promotion_window.h"
#include "look.h"
#include "program_look.h"
#include "result_window.h"
#include "support_texts.h"
#include "window_registry.h"
#include "window_test_support.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

using namespace korvane;

namespace {

struct Shot {
    QString name;
    QImage image;
};

QImage Render(QWidget* window) {
    window->ensurePolished();
    window->adjustSize();
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The five windows, the result window once per tab, as built now.
QList<Shot> RenderEveryWindow() {
    QList<Shot> shots;
    WindowTestBed bed;
    WindowRegistry& windows = WindowRegistry::Instance();

    shots.append({"birth-details", Render(&windows.Use<frmMain>())});

    frmLuckyCarResult& result = windows.Use<frmLuckyCarResult>();
    auto* tabs = Control<QTabBar>(result, "TS");
    tabs->setCurrentIndex(0);
    shots.append({"result-astrology", Render(&result)});
    tabs->setCurrentIndex(1);
    shots.append({"result-feng-shui", Render(&result)});

    {
        frmAbout about(nullptr);
        shots.append({"about", Render(&about)});
    }

    // The support text is drawn at random; every rendering shows the same.
    frmNagScreen2& exitWindow = windows.Use<frmNagScreen2>();
    auto* support = Control<QLabel>(exitWindow, "Label2");
    support->setFont(ProgramFont(8.25, true));
    support->setText(SupportTexts().at(1));
    ShrinkFontToFit(support);
    shots.append({"exit-promotion", Render(&exitWindow)});
    return shots;
}

// Pixels whose colour differs by more than a little in any channel.
qsizetype DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return qsizetype(a.width()) * a.height() + 1;
    constexpr int kTolerance = 8;
    qsizetype differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (qAbs(qRed(lineA[x]) - qRed(lineB[x])) > kTolerance ||
                qAbs(qGreen(lineA[x]) - qGreen(lineB[x])) > kTolerance ||
                qAbs(qBlue(lineA[x]) - qBlue(lineB[x])) > kTolerance)
                ++differing;
        }
    }
    return differing;
}

// Up to one pixel in a thousand may differ (anti-aliasing), no more.
bool SameBeyondNoise(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           DifferingPixels(a, b) * 1000 <= qsizetype(a.width()) * a.height();
}

// How far a window's rendering is from another, for a failure message.
QByteArray Difference(const QString& name, const QImage& a, const QImage& b) {
    return QString::asprintf("%s: %lld pixels differ (size %dx%d against %dx%d)", qPrintable(name),
                             static_cast<long long>(DifferingPixels(a, b)), a.width(), a.height(),
                             b.width(), b.height())
        .toUtf8();
}

// A dark desktop as a theme gives it: the application palette and palettes
// of their own for some kinds of control.
void SetDarkDesktopPalette() {
    const QColor window(50, 50, 50);
    const QColor text(240, 240, 240);
    QPalette dark(text, window, window.lighter(130), window.darker(130), window.darker(115), text,
                  Qt::white, QColor(36, 36, 36), window);
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    QApplication::setPalette(dark);
    for (const char* className : {"QMenu", "QMenuBar", "QLineEdit", "QComboBox", "QLabel"})
        QApplication::setPalette(dark, className);
}

bool IsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128 &&
           palette.color(QPalette::WindowText).lightness() > 128;
}

// The child process of matchesTheDefaultThemeRendering: renders under the
// theme it was started with and writes one PNG per shot.
int RenderInto(const QString& folder) {
    ApplyProgramLook();
    for (const Shot& shot : RenderEveryWindow()) {
        if (!shot.image.save(QDir(folder).filePath(shot.name + ".png")))
            return 1;
    }
    return 0;
}

QPalette g_desktopPalette;

} // namespace

class TestThemes : public QObject {
    Q_OBJECT
private slots:
    void keepsItsColoursUnderADarkDesktopPalette() {
        if (IsDark(g_desktopPalette))
            QSKIP("the desktop is dark already; matchesTheDefaultThemeRendering covers it");
        ApplyProgramLook();
        const QList<Shot> designed = RenderEveryWindow();
        QCOMPARE(designed.size(), 5);

        SetDarkDesktopPalette();
        // Left to the desktop's palette every window looks different, so the
        // comparison below does see a dark desktop.
        const QList<Shot> leftToDesktop = RenderEveryWindow();
        for (int i = 0; i < designed.size(); ++i)
            QVERIFY2(!SameBeyondNoise(designed[i].image, leftToDesktop[i].image),
                     qPrintable(designed[i].name));

        ApplyProgramLook();
        const QList<Shot> underDark = RenderEveryWindow();
        for (int i = 0; i < designed.size(); ++i)
            QVERIFY2(SameBeyondNoise(designed[i].image, underDark[i].image),
                     Difference(designed[i].name, underDark[i].image, designed[i].image));
    }

    void matchesTheDefaultThemeRendering() {
        if (!IsDark(g_desktopPalette)) {
            if (qEnvironmentVariableIsSet("KORVANE_REQUIRE_DARK_THEME"))
                QFAIL("the desktop theme is not dark: is Qt's GTK platform theme installed?");
            QSKIP("needs a dark desktop theme (QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark)");
        }
        ApplyProgramLook();
        const QList<Shot> underDark = RenderEveryWindow();

        // The same windows from a copy of this program on the default theme.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORMTHEME");
        environment.remove("GTK_THEME");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"--render", folder.path()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);

        for (const Shot& shot : underDark) {
            const QImage designed(QDir(folder.path()).filePath(shot.name + ".png"));
            QVERIFY2(!designed.isNull(), qPrintable(shot.name));
            const QImage reference = designed.convertToFormat(QImage::Format_RGB32);
            QVERIFY2(SameBeyondNoise(reference, shot.image),
                     Difference(shot.name, shot.image, reference));
        }
    }

    void replacesTheThemesControlPalettes() {
        // Windows' theme, for one, gives menus a palette of their own.
        QPalette red = QApplication::palette();
        red.setColor(QPalette::Window, Qt::red);
        red.setColor(QPalette::Base, Qt::red);
        for (const char* className : {"QMenu", "QLineEdit", "QComboBox"})
            QApplication::setPalette(red, className);
        ApplyProgramLook();
        for (const char* className : {"QMenu", "QLineEdit", "QComboBox"}) {
            const QPalette palette = QApplication::palette(className);
            QVERIFY2(palette.color(QPalette::Window) == ProgramPalette().color(QPalette::Window) &&
                         palette.color(QPalette::Base) == ProgramPalette().color(QPalette::Base),
                     className);
        }
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--render")
        return RenderInto(QString::fromLocal8Bit(argv[2]));
    g_desktopPalette = QApplication::palette();
    TestThemes test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_app_themes.moc"
