#pragma once

#include <QGroupBox>

namespace korvane {

// An invisible group around controls that share one visible label (the day,
// month and year lists under "Birth Day"). Screen readers take its title as
// the label of every control inside it; nothing of it is drawn.
class LabelGroup : public QGroupBox {
    Q_OBJECT
public:
    LabelGroup(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korvane
