#pragma once

#include <QPlainTextEdit>

namespace korvane {

// The read-only box with the sun sign's description. The description is
// meant to be read here, not carried off: whenever its text changes or the
// mouse is used over it, the clipboard and the selection are emptied where
// they hold what this box, or the box of an earlier reading, gave away.
// Anything else there is left alone.
class SunSignTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SunSignTextBox(QWidget* parent);

    void SetDescription(const QString& text);

protected:
    // Every way the box hands its selection out (copying, the X selection,
    // a drag) goes through here; the guard notes what was given.
    QMimeData* createMimeDataFromSelection() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void GuardClipboard();

    QString description_;
    bool textWaiting_ = false; // written while hidden, shown at the next show
};

} // namespace korvane
