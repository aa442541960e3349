#include "kua_number.h"

#include "catalogue.h"
#include "text_utils.h"

namespace korvane {
namespace {

// Adds the first and the last decimal digit of a number of two or more digits;
// a one-digit number stays as it is.
int ReduceOnce(int n) {
    if (n < 10)
        return n;
    int first = n;
    while (first >= 10)
        first /= 10;
    return first + n % 10;
}

} // namespace

std::string KuaBirthYear(std::string_view yearText, std::string_view monthName) {
    if (monthName == EnglishText(TextId::MonthJanuary) ||
        monthName == EnglishText(TextId::MonthFebruary)) {
        if (const auto year = ParseInt16(yearText))
            return std::to_string(*year - 1);
    }
    return std::string(yearText);
}

std::optional<std::int16_t> GetKuaNumber(std::string_view strBirthYear, std::string_view strSex) {
    const auto year = ParseInt16(strBirthYear);
    if (!year)
        return std::nullopt;
    constexpr int kCycle = 9;
    // Taken as 0 to 8 for years before 1900 too: 1899 gives 8.
    const int r = ((*year - 1900) % kCycle + kCycle) % kCycle;
    const int k = (strSex == "Male") ? 10 - r : r + 5;
    return static_cast<std::int16_t>(ReduceOnce(k));
}

} // namespace korvane
