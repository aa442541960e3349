#pragma once

#include "reading_card.h"

#include <QByteArray>

class QPaintDevice;
class QPainter;

namespace korvane {

// Paints a card (see reading_card.h) on the painter's device, whose units
// are the card's: its boxes, the program's icon and its texts in the
// program's language, each text made smaller until it fits its rectangle.
void PaintCard(QPainter& painter, const Card& card);

// The size a text of the card is painted in on the device: its own, made
// smaller by steps until the text fits its rectangle, down to two fifths.
double FittedTextSize(const QPaintDevice& device, const CardItem& item);

// The card as a PNG picture of its size in pixels; empty when it cannot be
// made.
QByteArray PictureFile(const Card& card);

// The card as a one-page PDF whose page is the card's size in points, with
// the title given; empty when it cannot be made.
QByteArray PdfFile(const Card& card, const QString& title);

} // namespace korvane
