#pragma once

#include "five_elements.h"
#include "korvane_texts.h"

namespace korvane {

// A year's place in the sixty-year cycle (干支): its heavenly stem (0 for
// 甲 to 9 for 癸), its earthly branch (0 for 子 to 11 for 亥) and its Nạp Âm
// (纳音, 0 for 海中金 to 29 for 大海水), which each two years of the cycle
// share.
struct CycleYear {
    int stem = 0;
    int branch = 0;
    int nayin = 0;
    friend bool operator==(const CycleYear&, const CycleYear&) = default;
};

// Any year of the Chinese reckoning (1984 is 甲子, the cycle's first).
CycleYear CycleYearOf(int year);

// The stem's and branch's names in the reader's language, and their Chinese
// characters, which every language shows beside them.
TextId StemName(int stem);
TextId StemCharacter(int stem);
TextId BranchName(int branch);
TextId BranchCharacter(int branch);

TextId NayinName(int nayin);
Element NayinElement(int nayin);

} // namespace korvane
