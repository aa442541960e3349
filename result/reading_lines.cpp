#include "reading_lines.h"

#include "look.h"
#include "shown_text.h"

#include <QLabel>

namespace korvane {
namespace {

// Puts the shown lines of an area one under the other, each as high as its
// wrapped text, half a line apart.
void StackLines(QWidget* area) {
    const int gap = area->fontMetrics().height() / 2;
    int top = 0;
    for (QLabel* line : area->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (line->isHidden())
            continue;
        const int height = line->heightForWidth(area->width());
        line->setGeometry(0, top, area->width(), height);
        top += height + gap;
    }
}

} // namespace

QList<QLabel*> MakeReadingLines(QWidget* panel, const QRect& rect, int count) {
    auto* area = new QWidget(panel);
    area->setGeometry(rect);
    QList<QLabel*> lines;
    for (int i = 0; i < count; ++i) {
        auto* line = new QLabel(area);
        line->setTextFormat(Qt::PlainText);
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        SetTextColour(line, Qt::white);
        line->hide();
        lines.append(line);
    }
    return lines;
}

void ShowLine(QLabel* line, const std::optional<Phrase>& phrase) {
    line->setText(phrase ? ShownPhrase(*phrase) : QString());
    line->setHidden(!phrase);
    StackLines(line->parentWidget());
}

} // namespace korvane
