#include "sixty_year_cycle.h"

#include <array>

namespace korvane {
namespace {

constexpr int kStems = 10;
constexpr int kBranches = 12;
constexpr int kCycle = 60;
// 1984 began a cycle (甲子).
constexpr int kCycleStart = 1984;

int Wrapped(int value, int count) {
    return (value % count + count) % count;
}

// The thirty Nạp Âm of the cycle, in its order, by their element: the
// classical table (海中金, 炉中火, 大林木, ... 大海水), each for two
// consecutive years.
constexpr std::array<Element, 30> kNayinElements = {
    Element::Metal, Element::Fire,  Element::Wood,  Element::Earth, Element::Metal, Element::Fire,
    Element::Water, Element::Earth, Element::Metal, Element::Wood,  Element::Water, Element::Earth,
    Element::Fire,  Element::Wood,  Element::Water, Element::Metal, Element::Fire,  Element::Wood,
    Element::Earth, Element::Metal, Element::Fire,  Element::Water, Element::Earth, Element::Metal,
    Element::Wood,  Element::Water, Element::Earth, Element::Fire,  Element::Wood,  Element::Water,
};

constexpr std::array<TextId, 30> kNayinNames = {
    TextId::Nayin1,  TextId::Nayin2,  TextId::Nayin3,  TextId::Nayin4,  TextId::Nayin5,
    TextId::Nayin6,  TextId::Nayin7,  TextId::Nayin8,  TextId::Nayin9,  TextId::Nayin10,
    TextId::Nayin11, TextId::Nayin12, TextId::Nayin13, TextId::Nayin14, TextId::Nayin15,
    TextId::Nayin16, TextId::Nayin17, TextId::Nayin18, TextId::Nayin19, TextId::Nayin20,
    TextId::Nayin21, TextId::Nayin22, TextId::Nayin23, TextId::Nayin24, TextId::Nayin25,
    TextId::Nayin26, TextId::Nayin27, TextId::Nayin28, TextId::Nayin29, TextId::Nayin30,
};

constexpr std::array<TextId, kStems> kStemNames = {
    TextId::StemJia, TextId::StemYi,   TextId::StemBing, TextId::StemDing, TextId::StemWu,
    TextId::StemJi,  TextId::StemGeng, TextId::StemXin,  TextId::StemRen,  TextId::StemGui,
};

constexpr std::array<TextId, kStems> kStemCharacters = {
    TextId::StemJiaChinese,  TextId::StemYiChinese,  TextId::StemBingChinese,
    TextId::StemDingChinese, TextId::StemWuChinese,  TextId::StemJiChinese,
    TextId::StemGengChinese, TextId::StemXinChinese, TextId::StemRenChinese,
    TextId::StemGuiChinese,
};

constexpr std::array<TextId, kBranches> kBranchNames = {
    TextId::BranchZi,   TextId::BranchChou, TextId::BranchYin, TextId::BranchMao,
    TextId::BranchChen, TextId::BranchSi,   TextId::BranchWu,  TextId::BranchWei,
    TextId::BranchShen, TextId::BranchYou,  TextId::BranchXu,  TextId::BranchHai,
};

constexpr std::array<TextId, kBranches> kBranchCharacters = {
    TextId::BranchZiChinese,  TextId::BranchChouChinese, TextId::BranchYinChinese,
    TextId::BranchMaoChinese, TextId::BranchChenChinese, TextId::BranchSiChinese,
    TextId::BranchWuChinese,  TextId::BranchWeiChinese,  TextId::BranchShenChinese,
    TextId::BranchYouChinese, TextId::BranchXuChinese,   TextId::BranchHaiChinese,
};

} // namespace

CycleYear CycleYearOf(int year) {
    const int place = Wrapped(year - kCycleStart, kCycle);
    return {place % kStems, place % kBranches, place / 2};
}

TextId StemName(int stem) {
    return kStemNames[static_cast<std::size_t>(Wrapped(stem, kStems))];
}

TextId StemCharacter(int stem) {
    return kStemCharacters[static_cast<std::size_t>(Wrapped(stem, kStems))];
}

TextId BranchName(int branch) {
    return kBranchNames[static_cast<std::size_t>(Wrapped(branch, kBranches))];
}

TextId BranchCharacter(int branch) {
    return kBranchCharacters[static_cast<std::size_t>(Wrapped(branch, kBranches))];
}

TextId NayinName(int nayin) {
    return kNayinNames[static_cast<std::size_t>(Wrapped(nayin, 30))];
}

Element NayinElement(int nayin) {
    return kNayinElements[static_cast<std::size_t>(Wrapped(nayin, 30))];
}

} // namespace korvane
