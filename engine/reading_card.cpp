#include "reading_card.h"

#include "program_colours.h"
#include "reading_phrases.h"

#include <array>
#include <string>

namespace korvane {
namespace {

constexpr ColourValue kWhite = MakeColour(255, 255, 255);
constexpr ColourValue kBlack = MakeColour(0, 0, 0);
constexpr std::array<TextId, 4> kPurposeCaptions = {
    TextId::ResultForSuccess, TextId::ResultForHealth, TextId::ResultForRelationships,
    TextId::ResultForPersonal};

Phrase Words(TextId id) {
    return Phrase::Of(id);
}

Phrase Plain(int number) {
    return Phrase::Plain(std::to_string(number));
}

// "Caption: value", with the language's own colon.
Phrase Valued(TextId caption, Phrase value) {
    return Phrase::Of(TextId::CardValue, {Words(caption), std::move(value)});
}

Phrase Heading(const Reading& reading) {
    return Phrase::Of(TextId::PageReadingHeading,
                      {Words(reading.astrology.sunSign), Plain(reading.kuaNumber)});
}

class CardBuilder {
public:
    CardBuilder(int width, int height) { card_.width = width, card_.height = height; }

    void Box(int x, int y, int width, int height, ColourValue fill,
             std::optional<ColourValue> border = std::nullopt, int borderWidth = 0) {
        CardItem item;
        item.kind = CardItem::Kind::Box;
        Place(item, x, y, width, height);
        item.colour = fill;
        item.border = border;
        item.borderWidth = border ? borderWidth : 0;
        card_.items.push_back(std::move(item));
    }

    void Icon(int x, int y, int size) {
        CardItem item;
        item.kind = CardItem::Kind::Icon;
        Place(item, x, y, size, size);
        card_.items.push_back(std::move(item));
    }

    void Text(int x, int y, int width, int height, Phrase text, double size, bool bold,
              ColourValue colour, bool wrap = false) {
        CardItem item;
        item.kind = CardItem::Kind::Text;
        Place(item, x, y, width, height);
        item.text = std::move(text);
        item.size = size;
        item.bold = bold;
        item.colour = colour;
        item.wrap = wrap;
        card_.items.push_back(std::move(item));
    }

    Card Done() { return std::move(card_); }

private:
    static void Place(CardItem& item, int x, int y, int width, int height) {
        item.x = x;
        item.y = y;
        item.width = width;
        item.height = height;
    }
    Card card_;
};

// A row of colours, each a framed swatch with its name under it.
template <typename Colours>
void ColourRow(CardBuilder& card, const Colours& colours, int left, int top, int column, int swatch,
               int nameSize, ColourValue frame, ColourValue ink) {
    int x = left;
    for (const auto& colour : colours) {
        card.Box(x, top, swatch, swatch, colour.swatch, frame, 4);
        card.Text(x, top + swatch + 8, column - 8, nameSize + 10, Words(colour.name), nameSize,
                  false, ink);
        x += column;
    }
}

} // namespace

Card PictureCard(const Reading& reading, std::string_view productName) {
    constexpr int kWidth = 1080;
    constexpr int kHeight = 1350;
    constexpr int kMargin = 72;
    constexpr int kInner = kWidth - 2 * kMargin;
    CardBuilder card(kWidth, kHeight);
    card.Box(0, 0, kWidth, kHeight, kKorvaneBlue);
    card.Box(0, 0, kWidth, 170, kKorvaneDarkBlue);
    card.Icon(kMargin, 37, 96);
    card.Text(kMargin + 124, 45, kInner - 124, 80, Phrase::Plain(std::string(productName)), 64,
              true, kWhite);
    card.Text(kMargin, 196, kInner, 52, Heading(reading), 40, true, kWhite);

    // Astrology: the car colour.
    card.Text(kMargin, 272, kInner, 44, Words(TextId::ResultAstrology), 32, true, kWhite);
    card.Box(kMargin, 328, 96, 96, reading.astrology.carColourSwatch.value_or(kKorvaneBlue),
             kKorvaneDarkBlue, 4);
    card.Text(kMargin + 128, 332, kInner - 128, 36, Words(TextId::ResultCarColor), 26, false,
              kWhite);
    card.Text(kMargin + 128, 368, kInner - 128, 58, Words(reading.astrology.carColour), 44, true,
              kWhite);

    // Feng Shui: the four purposes.
    card.Text(kMargin, 456, kInner, 44, Words(TextId::ResultFengShui), 32, true, kWhite);
    for (std::size_t i = 0; i < reading.purposes.size(); ++i) {
        const int top = 512 + static_cast<int>(i) * 98;
        const PurposeColour& purpose = reading.purposes[i];
        card.Box(kMargin, top, 80, 80, purpose.swatch.value_or(kKorvaneBlue), kKorvaneDarkBlue, 4);
        card.Text(kMargin + 112, top, kInner - 112, 34, Words(kPurposeCaptions[i]), 24, false,
                  kWhite);
        if (purpose.name)
            card.Text(kMargin + 112, top + 32, kInner - 112, 50, Words(*purpose.name), 38, true,
                      kWhite);
    }

    // The five elements: the element, and the colours to choose and to avoid.
    const ElementsReading& elements = reading.elements;
    card.Text(kMargin, 910, kInner, 44, Words(TextId::ResultElements), 32, true, kWhite);
    card.Text(kMargin, 960, kInner, 40,
              Valued(TextId::ElementsElement, Words(ElementName(elements.element))), 30, false,
              kWhite);
    card.Text(kMargin, 1010, kInner, 36, Words(TextId::ElementsSuit), 26, true, kWhite);
    ColourRow(card, elements.suit, kMargin, 1050, kInner / 6, 64, 22, kKorvaneDarkBlue, kWhite);
    card.Text(kMargin, 1172, kInner, 36, Words(TextId::ElementsAvoid), 26, true, kWhite);
    ColourRow(card, elements.avoid, kMargin, 1212, kInner / 6, 64, 22, kKorvaneDarkBlue, kWhite);
    return card.Done();
}

Card PrintedPage(const Reading& reading, std::string_view productName, Paper paper) {
    const int width = paper == Paper::A4 ? 595 : 612;
    const int height = paper == Paper::A4 ? 842 : 792;
    constexpr int kMargin = 40;
    const int inner = width - 2 * kMargin;
    CardBuilder page(width, height);
    page.Icon(kMargin, kMargin, 28);
    page.Text(kMargin + 36, kMargin + 2, inner - 36, 26, Phrase::Plain(std::string(productName)),
              18, true, kBlack);
    page.Text(kMargin, 76, inner, 20, Heading(reading), 13, true, kBlack);

    // Astrology, whole: the car colour with its description, the facts and
    // the sign's text, which takes the room the other readings leave.
    const AstrologyResult& astrology = reading.astrology;
    page.Text(kMargin, 104, inner, 18, Words(TextId::ResultAstrology), 12, true, kBlack);
    page.Box(kMargin, 126, 22, 22, astrology.carColourSwatch.value_or(kWhite), kBlack, 1);
    page.Text(kMargin + 30, 129, inner - 30, 18,
              Valued(TextId::ResultCarColor, Words(astrology.carColour)), 11, true, kBlack);
    page.Text(kMargin, 154, inner, 46, Words(astrology.carColourText), 8.5, false, kBlack, true);
    const std::array<std::pair<TextId, Phrase>, 3> facts = {{
        {TextId::ResultKuaNumber, Plain(reading.kuaNumber)},
        {TextId::ResultRulingPlanet, Words(astrology.rulingPlanet)},
        {TextId::ResultSunSign, Words(astrology.sunSign)},
    }};
    for (std::size_t i = 0; i < facts.size(); ++i)
        page.Text(kMargin, 204 + static_cast<int>(i) * 14, inner, 14,
                  Valued(facts[i].first, facts[i].second), 9.5, false, kBlack);
    constexpr int kColumnsHeight = 200;
    const int signTop = 250;
    const int columnsTop = height - kMargin - kColumnsHeight;
    page.Text(kMargin, signTop, inner, columnsTop - 10 - signTop, Words(astrology.sunSignText), 8.5,
              false, kBlack, true);

    // Feng Shui and the five elements side by side.
    const int column = (inner - 20) / 2;
    const int left = kMargin;
    const int right = kMargin + column + 20;
    page.Text(left, columnsTop, column, 18, Words(TextId::ResultFengShui), 12, true, kBlack);
    for (std::size_t i = 0; i < reading.purposes.size(); ++i) {
        const int top = columnsTop + 24 + static_cast<int>(i) * 18;
        const PurposeColour& purpose = reading.purposes[i];
        page.Box(left, top, 13, 13, purpose.swatch.value_or(kWhite), kBlack, 1);
        page.Text(left + 20, top, column - 20, 14,
                  Valued(kPurposeCaptions[i],
                         purpose.name ? Words(*purpose.name) : Phrase::Plain(std::string())),
                  9, false, kBlack);
    }
    int notesTop = columnsTop + 24 + 4 * 18 + 4;
    page.Text(left, notesTop, column, 36, FengShuiYearPhrase(reading), 8.5, false, kBlack, true);
    notesTop += 40;
    if (const auto note = KuaFivePhrase(reading)) {
        page.Text(left, notesTop, column, 24, *note, 8.5, false, kBlack, true);
        notesTop += 26;
    }
    if (const auto note = FengShuiLiChunDayPhrase(reading))
        page.Text(left, notesTop, column, columnsTop + kColumnsHeight - notesTop, *note, 8.5, false,
                  kBlack, true);

    const ElementsReading& elements = reading.elements;
    page.Text(right, columnsTop, column, 18, Words(TextId::ResultElements), 12, true, kBlack);
    page.Text(right, columnsTop + 24, column, 14,
              Valued(TextId::ElementsNayin, Words(NayinName(elements.cycle.nayin))), 9, false,
              kBlack);
    page.Text(right, columnsTop + 40, column, 14,
              Valued(TextId::ElementsElement, Words(ElementName(elements.element))), 9, false,
              kBlack);
    page.Text(right, columnsTop + 56, column, 26, ElementRulePhrase(reading), 8.5, false, kBlack,
              true);
    const auto list = [&](TextId caption, const std::vector<ElementColour>& colours, int top) {
        page.Text(right, top, column, 14, Words(caption), 9, true, kBlack);
        const int perRow = 3;
        for (std::size_t i = 0; i < colours.size(); ++i) {
            const int x = right + static_cast<int>(i % perRow) * (column / perRow);
            const int y = top + 16 + static_cast<int>(i / perRow) * 16;
            page.Box(x, y, 12, 12, colours[i].swatch, kBlack, 1);
            page.Text(x + 16, y, column / perRow - 18, 13, Words(colours[i].name), 8.5, false,
                      kBlack);
        }
    };
    list(TextId::ElementsSuit, elements.suit, columnsTop + 84);
    list(TextId::ElementsAvoid, elements.avoid, columnsTop + 134);
    if (const auto note = ElementsLiChunDayPhrase(reading))
        page.Text(right, columnsTop + 166, column, kColumnsHeight - 166, *note, 7.5, false, kBlack,
                  true);
    return page.Done();
}

} // namespace korvane
