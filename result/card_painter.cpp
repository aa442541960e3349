#include "card_painter.h"

#include "look.h"
#include "shown_text.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace korvane {
namespace {

QColor ToQColor(ColourValue colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// The font for a text of the given size in the device's units.
QFont CardFont(const QPaintDevice& device, double size, bool bold) {
    QFont font = ProgramFont(8.25, bold);
    font.setPointSizeF(size * 72.0 / device.logicalDpiY());
    return font;
}

int TextFlags(const CardItem& item) {
    return Qt::AlignLeft | Qt::AlignTop | (item.wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}

void PaintText(QPainter& painter, const CardItem& item) {
    const double size = FittedTextSize(*painter.device(), item);
    painter.setFont(CardFont(*painter.device(), size, item.bold));
    painter.setPen(ToQColor(item.colour));
    painter.drawText(QRectF(item.x, item.y, item.width, item.height), TextFlags(item),
                     ShownPhrase(item.text));
}

void PaintBox(QPainter& painter, const CardItem& item) {
    const QRect box(item.x, item.y, item.width, item.height);
    if (item.border && item.borderWidth > 0) {
        painter.fillRect(box, ToQColor(*item.border));
        painter.fillRect(
            box.adjusted(item.borderWidth, item.borderWidth, -item.borderWidth, -item.borderWidth),
            ToQColor(item.colour));
    } else {
        painter.fillRect(box, ToQColor(item.colour));
    }
}

void PaintIcon(QPainter& painter, const CardItem& item) {
    static const QImage icon(QStringLiteral(":/korvane/icons/korvane-128.png"));
    painter.drawImage(QRectF(item.x, item.y, item.width, item.height), icon);
}

} // namespace

double FittedTextSize(const QPaintDevice& device, const CardItem& item) {
    const QString text = ShownPhrase(item.text);
    const QRectF room(item.x, item.y, item.width, item.height);
    const double step = item.size / 40;
    double size = item.size;
    for (; size - step >= item.size * 0.4; size -= step) {
        const QRectF needed = QFontMetricsF(CardFont(device, size, item.bold), &device)
                                  .boundingRect(room, TextFlags(item), text);
        if (needed.width() <= room.width() + 0.5 && needed.height() <= room.height() + 0.5)
            break;
    }
    return size;
}

void PaintCard(QPainter& painter, const Card& card) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const CardItem& item : card.items) {
        switch (item.kind) {
        case CardItem::Kind::Box:
            PaintBox(painter, item);
            break;
        case CardItem::Kind::Icon:
            PaintIcon(painter, item);
            break;
        case CardItem::Kind::Text:
            PaintText(painter, item);
            break;
        }
    }
}

QByteArray PictureFile(const Card& card) {
    QImage image(card.width, card.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintCard(painter, card);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QByteArray PdfFile(const Card& card, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(title);
        // One unit a point, the card's unit, and no margin beyond the card's own.
        pdf.setResolution(72);
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(card.width, card.height), QPageSize::Point),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf))
            return {};
        PaintCard(painter, card);
        painter.end();
    }
    return bytes;
}

} // namespace korvane
