#include "label_group.h"

namespace korvane {

LabelGroup::LabelGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
}

void LabelGroup::paintEvent(QPaintEvent*) {
    // The label beside the controls is the one people see.
}

} // namespace korvane
