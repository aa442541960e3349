// The engine's calendar facts, one line a year from 1899 to 2051, for the
// calendar check to hold against calendar libraries (calendar.mjs):
//   YEAR DAY HOUR MINUTE STEM BRANCH NAYIN
// Li Chun's day in February and its time (China Standard Time); the year's
// stem and branch in Chinese characters and its Na Yin in Simplified Chinese.
#include "catalogue.h"
#include "li_chun.h"
#include "sixty_year_cycle.h"

#include <algorithm>
#include <cstdio>

using namespace korvane;

int main() {
    const auto chinese =
        static_cast<int>(std::find_if(Catalogues().begin(), Catalogues().end(),
                                      [](const Catalogue& c) { return c.code == "zh_CN"; }) -
                         Catalogues().begin());
    for (int year = FirstLiChunYear(); year <= LastLiChunYear(); ++year) {
        const auto moment = LiChunOf(year);
        const CycleYear cycle = CycleYearOf(year);
        std::printf("%d %d %d %d %s %s %s\n", year, moment->day, moment->hour, moment->minute,
                    Text(StemCharacter(cycle.stem), chinese).data(),
                    Text(BranchCharacter(cycle.branch), chinese).data(),
                    Text(NayinName(cycle.nayin), chinese).data());
    }
    return 0;
}
