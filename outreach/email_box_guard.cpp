#include "email_box_guard.h"

#include "refer_request.h"

#include <QLineEdit>

#include <algorithm>

namespace korvane {

EmailBoxGuard::EmailBoxGuard(QLineEdit* box) : QObject(box), box_(box), accepted_(box->text()) {
    // An edit marks the box modified and setText() clears the mark, so this
    // sees the program's own changes whichever signal comes first.
    connect(box, &QLineEdit::textChanged, this, [this] {
        if (!box_->isModified())
            accepted_ = box_->text();
    });
    connect(box, &QLineEdit::textEdited, this, [this] { Edited(); });
}

void EmailBoxGuard::Edited() {
    const QString text = box_->text();
    if (!EmailBoxRefusal(text.toStdString())) {
        accepted_ = text;
        return;
    }
    // The caret goes back to where the new text came in (the end of a
    // replaced selection).
    const qsizetype grown = text.size() - accepted_.size();
    const qsizetype caret =
        std::clamp<qsizetype>(box_->cursorPosition() - grown, 0, accepted_.size());
    box_->setText(accepted_);
    box_->setCursorPosition(static_cast<int>(caret));
    emit refused();
}

} // namespace korvane
