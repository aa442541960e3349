#pragma once

#include <QLabel>

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

} // namespace korvane
