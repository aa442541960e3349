#include "kua_number.h"

#include "text_utils.h"

#include <optional>

namespace korvane {
namespace {

std::optional<int> DigitValue(char c) {
    if (c < '0' || c > '9')
        return std::nullopt;
    return c - '0';
}

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
    if (monthName == "January" || monthName == "February") {
        if (const auto year = ParseInt16(yearText))
            return std::to_string(*year - 1);
    }
    return std::string(yearText);
}

std::int16_t GetKuaNumber(std::string_view strYearDigits, std::string_view strSex) {
    int sum = 0;
    if (!strYearDigits.empty()) {
        // A failed addition is skipped, so the running sum keeps its value.
        if (const auto first = DigitValue(strYearDigits.front()))
            sum += *first;
        if (const auto last = DigitValue(strYearDigits.back()))
            sum += *last;
    }
    const int r = ReduceOnce(sum);
    const int k = (strSex == "Male") ? 10 - r : r + 5;
    return static_cast<std::int16_t>(ReduceOnce(k));
}

} // namespace korvane
