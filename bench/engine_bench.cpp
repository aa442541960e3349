// Runs every input the birth details window can hand over (years 1900 to
// 2050, twelve months, days 1 to 31, both sexes: 112,344 inputs, impossible
// dates included) through BirthOf and ReadingFor, the way the window does for
// one reading. Reports the median time of the whole domain over several
// repetitions.
//
//   engine_bench [repetitions]
//
// Prints "engine_ms_median=... engine_ms_min=... engine_ms_max=... inputs=..."
// and exits non-zero when passes disagree or a real date went without a
// reading. That the results are right for every input is a test
// (test_reading_domain).
#include "birth_date_lists.h"
#include "reading_for.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

std::vector<korvane::BirthDetails> AllInputs() {
    std::vector<korvane::BirthDetails> inputs;
    korvane::ForEveryListedChoice(
        "Benchmark", [&](const korvane::BirthDetails& details) { inputs.push_back(details); });
    return inputs;
}

struct Pass {
    long checksum = 0;
    long readings = 0;
};

// One pass over the whole domain: a checksum of the results and how many
// inputs had a reading.
Pass RunDomain(const std::vector<korvane::BirthDetails>& inputs) {
    Pass pass;
    for (const auto& in : inputs) {
        const auto birth = korvane::BirthOf(in);
        const auto reading = birth ? korvane::ReadingFor(*birth) : std::nullopt;
        if (!reading)
            continue;
        ++pass.readings;
        pass.checksum += reading->kuaNumber + static_cast<long>(reading->astrology.sunSign) +
                         static_cast<long>(reading->elements.suit.size());
    }
    return pass;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const auto inputs = AllInputs();
    if (inputs.size() != 151u * 12u * 31u * 2u) {
        std::fprintf(stderr, "engine_bench: built %zu inputs\n", inputs.size());
        return 1;
    }

    const Pass expected = RunDomain(inputs); // warm-up
    // 151 years of 365 days, 37 of them leap years, for both sexes.
    if (expected.readings != (151L * 365 + 37) * 2) {
        std::fprintf(stderr, "engine_bench: %ld readings\n", expected.readings);
        return 1;
    }
    std::vector<double> times;
    for (int r = 0; r < repetitions; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const Pass pass = RunDomain(inputs);
        const auto end = std::chrono::steady_clock::now();
        if (pass.checksum != expected.checksum || pass.readings != expected.readings) {
            std::fprintf(stderr, "engine_bench: results differ between passes\n");
            return 1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    const long n = static_cast<long>(inputs.size());
    std::printf("engine_ms_median=%.2f engine_ms_min=%.2f engine_ms_max=%.2f inputs=%ld "
                "repetitions=%d ns_per_input=%.0f\n",
                Median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), n, repetitions,
                Median(times) * 1e6 / static_cast<double>(n));
    return 0;
}
