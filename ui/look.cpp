#include "look.h"

#include <algorithm>

#include "shown_text.h"
#include "twips.h"
#include "ui_texts.h"
#include "value_label.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QTabBar>
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

namespace {

bool LabelTextFits(const QLabel* label) {
    const QRect box = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | Qt::TextExpandTabs;
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.width(), 100000),
                                              flags | Qt::AlignLeft | Qt::AlignTop, label->text());
    return needed.height() <= box.height() && (label->wordWrap() || needed.width() <= box.width());
}

// The room a button's frame, indicator and margins leave for its text.
int ButtonTextRoom(const QAbstractButton* button) {
    const QStyle* style = button->style();
    if (qobject_cast<const QRadioButton*>(button))
        return button->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) -
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    if (qobject_cast<const QCheckBox*>(button))
        return button->width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    return button->width() - 2 * style->pixelMetric(QStyle::PM_ButtonMargin) -
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
}

bool ButtonTextFits(const QAbstractButton* button) {
    const QSize text = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
    return text.width() <= ButtonTextRoom(button) && text.height() <= button->height();
}

bool TabsFit(const QTabBar* bar) {
    int width = 0;
    for (int i = 0; i < bar->count(); ++i)
        width += bar->tabRect(i).width();
    return width <= bar->width();
}

} // namespace

bool TextFits(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return LabelTextFits(label);
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return ButtonTextFits(button);
    if (const auto* bar = qobject_cast<const QTabBar*>(control))
        return TabsFit(bar);
    return true;
}

void ShrinkFontToFit(QWidget* control, double smallestPointSize) {
    // The windows are built afresh often, with the same texts in the same
    // places; remember what fitted.
    static QHash<QString, double> fitted;
    QFont font = control->font();
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        text = button->text();
    else if (const auto* bar = qobject_cast<const QTabBar*>(control))
        for (int i = 0; i < bar->count(); ++i)
            text += bar->tabText(i) + QLatin1Char('\t');
    const QString key = text + QLatin1Char('\n') + font.key() + QLatin1Char('\n') +
                        QString::number(control->width()) + QLatin1Char('x') +
                        QString::number(control->height());
    if (const auto known = fitted.constFind(key); known != fitted.constEnd()) {
        if (*known != font.pointSizeF()) {
            font.setPointSizeF(*known);
            control->setFont(font);
        }
        return;
    }
    while (!TextFits(control) && font.pointSizeF() - 0.25 >= smallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        control->setFont(font);
    }
    fitted.insert(key, font.pointSizeF());
}

void GrowLeftToFit(QLabel* label, int leftmost) {
    const int needed = OneLineTextSize(label->font(), label->text()).width();
    const QRect rect = label->geometry();
    if (needed <= rect.width())
        return;
    const int left = std::max(leftmost, rect.right() + 1 - needed);
    label->setGeometry(left, rect.y(), rect.right() + 1 - left, rect.height());
}

void WidenInRowToFit(const QList<QAbstractButton*>& row, int gap) {
    int left = row.isEmpty() ? 0 : row.front()->x();
    for (QAbstractButton* button : row) {
        const int text =
            QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text()).width();
        const int width = button->width() + std::max(0, text - ButtonTextRoom(button));
        button->setGeometry(std::max(button->x(), left), button->y(), width, button->height());
        left = button->geometry().right() + 1 + gap;
    }
}

void FitTexts(QWidget* root) {
    // A control that is hidden now is fitted when it is shown; value labels
    // take the width of their text.
    for (QWidget* control : root->findChildren<QWidget*>()) {
        if (control->isHidden() || qobject_cast<ValueLabel*>(control))
            continue;
        const auto* label = qobject_cast<QLabel*>(control);
        if ((label && !label->text().isEmpty()) || qobject_cast<QAbstractButton*>(control) ||
            qobject_cast<QTabBar*>(control))
            ShrinkFontToFit(control);
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
    window->menuBar()->setAccessibleName(ShownText(TextId::MenuBar));
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
                                 ? ShownText(TextId::ScrollVertical)
                                 : ShownText(TextId::ScrollHorizontal);
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
