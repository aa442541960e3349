#include "fuzz_check.h"
#include "kua_number.h"
#include "text_utils.h"

#include <cstdint>
#include <string_view>

// Input: the year text, a '|', then the sex text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto bar = input.find('|');
    const std::string_view year = input.substr(0, bar);
    const std::string_view sex = bar == std::string_view::npos ? "Male" : input.substr(bar + 1);
    const auto kua = korvane::GetKuaNumber(year, sex);
    // A year text that is a number has a Kua number; any other has none.
    FUZZ_CHECK(kua.has_value() == korvane::ParseInt16(year).has_value());
    if (!kua)
        return 0;
    FUZZ_CHECK(*kua >= 1 && *kua <= 9);
    // A male and a female Kua for the same year always add up to 6 or 15
    // (10 - r + r + 5 = 15, reduced once when two digits).
    const int other = *korvane::GetKuaNumber(year, sex == "Male" ? "Female" : "Male");
    FUZZ_CHECK(*kua + other == 6 || *kua + other == 15);
    return 0;
}
