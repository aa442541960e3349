#include "sun_sign_text_box.h"

#include "clipboard_guard.h"
#include "line_breaks.h"
#include "look.h"

#include <QEvent>
#include <QMimeData>
#include <QSignalBlocker>

namespace korvane {

SunSignTextBox::SunSignTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, kProgramBlue);
    colours.setColor(QPalette::Text, Qt::white);
    setPalette(colours);
    // Mouse moves arrive without a button held only with tracking on.
    viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);
    connect(this, &QPlainTextEdit::textChanged, this, &SunSignTextBox::GuardClipboard);
}

void SunSignTextBox::SetDescription(const QString& text) {
    description_ = text;
    if (isVisible()) {
        setPlainText(WithLineFeeds(text));
        return;
    }
    // A box that has not been shown yet is sized twice more on its way to
    // the screen, and each size lays the whole text out again; it takes the
    // text once it is shown. The clipboard guard looks at the new text now.
    textWaiting_ = true;
    TheClipboardGuard().Guard();
}

void SunSignTextBox::showEvent(QShowEvent* event) {
    if (textWaiting_) {
        // The guard had its say when the text was written.
        const QSignalBlocker quiet(this);
        document()->setPlainText(WithLineFeeds(description_));
        textWaiting_ = false;
    }
    QPlainTextEdit::showEvent(event);
}

bool SunSignTextBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
            GuardClipboard();
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // A selection reaches the clipboard only once the box itself has
            // handled the button, so look after it has.
            QMetaObject::invokeMethod(this, &SunSignTextBox::GuardClipboard, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

QMimeData* SunSignTextBox::createMimeDataFromSelection() const {
    QMimeData* data = QPlainTextEdit::createMimeDataFromSelection();
    if (data)
        TheClipboardGuard().GivenAway(data->text());
    return data;
}

void SunSignTextBox::GuardClipboard() {
    TheClipboardGuard().Guard();
}

} // namespace korvane
