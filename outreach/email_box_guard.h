#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace korvane {

// Keeps spaces out of an e-mail box however they come: typed, pasted with
// Ctrl+V or a middle click, dropped, or committed by an input method. An
// edit that would bring one in is undone at once, the text and the caret as
// they were, and refused() follows. What the program itself sets (the
// placeholder) is taken as it is.
class EmailBoxGuard : public QObject {
    Q_OBJECT
public:
    explicit EmailBoxGuard(QLineEdit* box);

signals:
    void refused();

private:
    void Edited();

    QLineEdit* box_;
    QString accepted_;
};

} // namespace korvane
