#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>

#include <optional>

namespace korvane {

// A label that works as a link: underlined text, the pointing-hand cursor,
// and a click (or Enter or Space once it has the keyboard focus) emits
// activated(). Its text is set once, when it is made: QLabel would build a
// text document behind a focusable label for a later setText().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void activated();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// How a link label looks beyond what every link has (underlined text, the
// pointing hand): its font (the parent's when none), colours, wrapping and
// where its text stands.
struct LinkLook {
    std::optional<QFont> font = std::nullopt;
    std::optional<QColor> colour = std::nullopt;
    std::optional<QColor> background = std::nullopt;
    bool wordWrap = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// The links of the main windows: bold, wrapped and centred at the top.
LinkLook BoldCentredLink();

// A link label at a place, in a look.
LinkLabel* MakeLinkLabel(const QString& text, QWidget* parent, const QRect& rect,
                         const LinkLook& look = {});

} // namespace korvane
