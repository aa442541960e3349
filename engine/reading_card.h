#pragma once

#include "colour.h"
#include "phrase.h"
#include "reading_for.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace korvane {

// One thing drawn on a card, in the card's units (pixels of a picture,
// points of a printed page), in the order of the card's items.
struct CardItem {
    enum class Kind : std::uint8_t { Box, Icon, Text };
    Kind kind = Kind::Box;
    // A box; the icon's square; or the rectangle a text stays inside, from
    // its top left.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // A box's fill, or a text's colour.
    ColourValue colour = 0;
    // A box's frame, drawn inside it.
    std::optional<ColourValue> border;
    int borderWidth = 0;
    // A text's words, its largest size (made smaller until the text fits its
    // rectangle), its weight, and whether it wraps to its width (paragraphs
    // parted by an empty line) or stays one line.
    Phrase text;
    double size = 0;
    bool bold = false;
    bool wrap = false;
    friend bool operator==(const CardItem&, const CardItem&) = default;
};

// What a card shows, where and how, described once for every face: each
// paints it with its own painter and fills the texts in with its language.
struct Card {
    int width = 0;
    int height = 0;
    std::vector<CardItem> items;
};

// The reading as a picture for chat apps, 1080 by 1350 pixels on Korvane's
// blue: the program's name, the sign and the Kua number, and every reading's
// colours with their swatches.
Card PictureCard(const Reading& reading, std::string_view productName);

enum class Paper : std::uint8_t { A4, Letter };

// The reading on one printed page, in points, black on white: every reading
// whole, the sign's text complete.
Card PrintedPage(const Reading& reading, std::string_view productName, Paper paper);

} // namespace korvane
