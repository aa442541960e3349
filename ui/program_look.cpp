#include "program_look.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPixmapCache>
#include <QWidget>

#include <vector>

namespace korvane {
namespace {

QPalette MakeProgramPalette() {
    const QColor face(239, 239, 239);
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    // Button, light, dark, mid, text, bright text, base and window.
    QPalette palette(black, face, face.lighter(150), face.darker(150), face.darker(130), black,
                     white, white, face);
    palette.setColor(QPalette::Midlight, face.darker(130).lighter(110));
    palette.setColor(QPalette::Shadow, face.darker(150).darker(135));
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::Link, QColor(0, 0, 255));
    palette.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    QColor placeholder = black;
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);

    const QColor greyedText(190, 190, 190);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Text, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, greyedText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

// A plain top-level QWidget is a "filler" to screen readers; ours are
// windows with a title.
QAccessibleInterface* WindowRoleFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow() || widget->windowType() != Qt::Window)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

// The control classes for which a desktop theme may bring palettes of its
// own (menus on Windows, for one); the program's palette replaces those too.
// Qt 6.4 already drops them when the application's palette is set; this
// keeps the program's look with a Qt that does not.
constexpr const char* kThemedClasses[] = {
    "QAbstractButton",   "QToolButton", "QCheckBox",      "QRadioButton", "QHeaderView",
    "QAbstractItemView", "QTabBar",     "QLabel",         "QGroupBox",    "QMenu",
    "QMenuBar",          "QTextEdit",   "QPlainTextEdit", "QLineEdit",    "QComboBox",
    "QMessageBoxLabel",  "QTextControl"};

} // namespace

const QPalette& ProgramPalette() {
    static const QPalette palette = MakeProgramPalette();
    return palette;
}

void ApplyProgramLook() {
    const QPalette& palette = ProgramPalette();
    // Only classes the theme gave a palette of their own need one; every
    // class palette makes each control's palette look-up a little slower.
    std::vector<const char*> themed;
    for (const char* className : kThemedClasses) {
        if (!QApplication::palette(className).isCopyOf(QGuiApplication::palette()))
            themed.push_back(className);
    }
    QApplication::setPalette(palette);
    for (const char* className : themed)
        QApplication::setPalette(palette, className);

    static bool rolesInstalled = false;
    if (!rolesInstalled) {
        QAccessible::installFactory(WindowRoleFactory);
        rolesInstalled = true;
    }
}

void KeepNoPicturesOfControls() {
    // Every window the program builds has palettes of its own, and the
    // style names the pictures it keeps of controls after the palette they
    // were drawn with: once their window is gone they are never found
    // again, yet Qt's cache holds them up to its 10 MB limit, and Qt 6.4
    // keeps the name of every picture it has dropped. With no room in the
    // cache, each control is drawn straight away, exactly as it would have
    // been drawn into its picture.
    QPixmapCache::setCacheLimit(0);
}

} // namespace korvane
