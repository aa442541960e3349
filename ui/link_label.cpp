#include "link_label.h"

#include "look.h"
#include "shown_text.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace korvane {
namespace {

// Screen readers announce a link label as a link named by its text, which
// can be pressed.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {
        addControllingSignal(QStringLiteral("activated()"));
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const LinkLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<LinkLabel*>(widget())->activated();
    }
};

QAccessibleInterface* LinkLabelAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("korvane::LinkLabel") && object && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(LinkLabelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setTextFormat(Qt::PlainText);
    setText(text);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(ShownText(TextId::LinkSpoken));
}

// A plain-text label that takes the keyboard focus would otherwise keep a
// whole text document behind it and lay it out before the window is shown;
// a link draws the same without one.
bool LinkLabel::event(QEvent* event) {
    if (event->type() == QEvent::Polish)
        return QFrame::event(event);
    return QLabel::event(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit activated();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

LinkLook BoldCentredLink() {
    return {.font = ProgramFont(8.25, true),
            .wordWrap = true,
            .alignment = Qt::AlignHCenter | Qt::AlignTop};
}

LinkLabel* MakeLinkLabel(const QString& text, QWidget* parent, const QRect& rect,
                         const LinkLook& look) {
    auto* link = new LinkLabel(text, parent);
    if (look.font) {
        QFont underlined = *look.font;
        underlined.setUnderline(true);
        link->setFont(underlined);
    }
    if (look.colour)
        SetTextColour(link, *look.colour);
    if (look.background)
        SetOpaqueBackground(link, *look.background);
    link->setWordWrap(look.wordWrap);
    link->setAlignment(look.alignment);
    link->setGeometry(rect);
    return link;
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace korvane
