#include "feng_shui_year.h"

namespace korvane {

std::optional<FengShuiYear> FengShuiYearOf(const BirthDate& date) {
    const auto liChun = LiChunOf(date.year);
    if (!liChun)
        return std::nullopt;
    FengShuiYear year;
    year.liChun = *liChun;
    // Li Chun always falls in February.
    const bool beforeFebruary = date.month == Month::January;
    const bool inFebruary = date.month == Month::February;
    if (beforeFebruary || (inFebruary && date.day < liChun->day)) {
        year.year = date.year - 1;
        year.side = LiChunSide::Before;
    } else if (inFebruary && date.day == liChun->day) {
        year.year = date.year;
        year.side = LiChunSide::OnTheDay;
        year.yearBeforeTheMoment = date.year - 1;
    } else {
        year.year = date.year;
        year.side = LiChunSide::After;
    }
    return year;
}

} // namespace korvane
