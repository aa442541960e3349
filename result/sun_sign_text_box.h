#pragma once

#include <QPlainTextEdit>

namespace korvane {

// The read-only box with the sun sign's description. The description is
// meant to be read here, not carried off: whenever its text changes or the
// mouse is used over it, the clipboard is emptied if it holds text copied
// from this box or from the box of an earlier reading. Whatever another
// program put there is left alone.
class SunSignTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SunSignTextBox(QWidget* parent);

    void SetDescription(const QString& text);
    QString Description() const { return description_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void GuardClipboard();

    QString description_;
    bool textWaiting_ = false; // written while hidden, shown at the next show
};

} // namespace korvane
