#include "look.h"

#include "twips.h"
#include "ui_texts.h"

#include <QAbstractScrollArea>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>

namespace korvane {

namespace {

// Verdana, or the first installed family close to it. Looked up once, in
// the list of installed families: asking the font system about each name
// makes it resolve aliases, which costs start-up time.
const QString& ProgramFontFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : {"Verdana", "DejaVu Sans", "Bitstream Vera Sans", "Tahoma"}) {
            const QString candidate = QString::fromLatin1(name);
            if (installed.contains(candidate, Qt::CaseInsensitive))
                return candidate;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

} // namespace

QFont ProgramFont(double pointSize, bool bold) {
    QFont font(ProgramFontFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QLabel* MakePlainLabel(const QString& text, QWidget* parent, const QRect& rect, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(font);
    label->setGeometry(rect);
    return label;
}

QSize OneLineTextSize(const QFont& font, const QString& text) {
    // Every reading builds its window afresh with the same captions and a
    // few dozen different values; measure each one once.
    static QHash<QString, QSize> measured;
    const QString key = font.key() + QLatin1Char('\n') + text;
    if (const auto known = measured.constFind(key); known != measured.constEnd())
        return *known;
    const QSize size =
        QFontMetrics(font)
            .boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft | Qt::TextExpandTabs, text)
            .size();
    measured.insert(key, size);
    return size;
}

void SetOpaqueBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

void MakeFixedWindow(QWidget* window, bool withMinimise) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (withMinimise)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
}

bool TextFits(const QLabel* label) {
    const QRect box = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextExpandTabs;
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 100000),
                                              flags | Qt::AlignLeft | Qt::AlignTop, label->text());
    return needed.height() <= box.height() && (label->wordWrap() || needed.width() <= box.width());
}

void ShrinkFontToFit(QLabel* label, double smallestPointSize) {
    // The windows are built afresh often, with the same texts in the same
    // places; remember what fitted.
    static QHash<QString, double> fitted;
    QFont font = label->font();
    const QString key = label->text() + QLatin1Char('\n') + font.key() + QLatin1Char('\n') +
                        QString::number(label->width()) + QLatin1Char('x') +
                        QString::number(label->height());
    if (const auto known = fitted.constFind(key); known != fitted.constEnd()) {
        if (*known != font.pointSizeF()) {
            font.setPointSizeF(*known);
            label->setFont(font);
        }
        return;
    }
    while (!TextFits(label) && font.pointSizeF() - 0.25 >= smallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        label->setFont(font);
    }
    fitted.insert(key, font.pointSizeF());
}

void FitWrappedLabels(QWidget* root) {
    // A label that is hidden now is fitted when it is shown.
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (label->wordWrap() && !label->isHidden())
            ShrinkFontToFit(label);
    }
}

QWidget* SetUpMainWindow(QMainWindow* window, const QString& name, int widthTwips, int heightTwips,
                         bool withMinimise) {
    window->setObjectName(name);
    window->setWindowTitle(kWindowCaptionText());
    window->setFont(ProgramFont());
    MakeFixedWindow(window, withMinimise);
    auto* client = new QWidget(window);
    client->setFixedSize(Px(widthTwips), Px(heightTwips));
    SetOpaqueBackground(client, kProgramBlue);
    // Screen readers list the client area and the menu bar too.
    client->setAccessibleName(kWindowCaptionText());
    window->menuBar()->setAccessibleName(QStringLiteral("Menu bar"));
    window->setCentralWidget(client);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

void ShowMainWindowCentred(QMainWindow* window) {
    window->ensurePolished();
    window->adjustSize();
    CentreOnScreen(window);
    window->show();
}

void NameScrollingParts(QAbstractScrollArea* box) {
    const QString name = box->accessibleName();
    box->viewport()->setAccessibleName(name);
    for (QScrollBar* bar : {box->verticalScrollBar(), box->horizontalScrollBar()}) {
        const QString what = bar->orientation() == Qt::Vertical
                                 ? QStringLiteral(", vertical scroll bar")
                                 : QStringLiteral(", horizontal scroll bar");
        bar->setAccessibleName(name + what);
        if (QWidget* holder = bar->parentWidget(); holder && holder != box)
            holder->setAccessibleName(name + what);
    }
}

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace korvane
