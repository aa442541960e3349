#include "kua_number.h"

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

int GetKuaNumber(int fengShuiYear, Sex sex) {
    constexpr int kCycle = 9;
    // Taken as 0 to 8 for years before 1900 too: 1899 gives 8.
    const int r = ((fengShuiYear - 1900) % kCycle + kCycle) % kCycle;
    return ReduceOnce(sex == Sex::Male ? 10 - r : r + 5);
}

} // namespace korvane
