// Runs every input the birth details window can hand over (years 1900 to
// 2050, twelve months, days 1 to 31, both sexes: 112,344 inputs, impossible
// dates included) through FillReadingRecord, FengShuiReading and
// AstrologyReading, the way the window does for one reading, with displays
// that only count what they are given. Reports the median time of the whole
// domain over several repetitions.
//
//   engine_bench [repetitions]
//
// Prints "engine_ms_median=... engine_ms_min=... engine_ms_max=... inputs=..."
// and exits non-zero when passes disagree or a display went unwritten. That
// the results are right for every input is a test (test_reading_domain).
#include "astrology.h"
#include "birth_date_lists.h"
#include "birth_details.h"
#include "feng_shui.h"
#include "reading_record.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using korvane::ColourValue;
using korvane::Purpose;

class CountingFengShui : public korvane::FengShuiDisplay {
public:
    void SetPurposeColourName(Purpose, std::string_view) override { ++names; }
    void SetPurposeSwatch(Purpose, ColourValue) override { ++swatches; }
    long names = 0;
    long swatches = 0;
};

class CountingAstrology : public korvane::AstrologyDisplay {
public:
    void SetCarColour(std::string_view) override { ++calls; }
    void SetCarColourDescription(std::string_view) override { ++calls; }
    void SetKuaNumber(std::string_view) override { ++calls; }
    void SetRulingPlanet(std::string_view) override { ++calls; }
    void SetSunSign(std::string_view) override { ++calls; }
    void SetSunSignDescription(std::string_view) override { ++calls; }
    void SetCarColourSwatch(ColourValue) override { ++calls; }
    long calls = 0;
};

std::vector<korvane::BirthDetails> AllInputs() {
    std::vector<korvane::BirthDetails> inputs;
    korvane::ForEveryListedChoice(
        "Benchmark", [&](const korvane::BirthDetails& details) { inputs.push_back(details); });
    return inputs;
}

// One pass over the whole domain; returns a checksum of the results.
long RunDomain(const std::vector<korvane::BirthDetails>& inputs, korvane::ReadingRecord& record,
               CountingFengShui& fengShui, CountingAstrology& astrology) {
    long checksum = 0;
    for (const auto& in : inputs) {
        korvane::FillReadingRecord(record, in);
        korvane::FengShuiReading(record.intKuaNumber, record, fengShui);
        korvane::AstrologyReading(record, astrology);
        checksum += record.intKuaNumber + static_cast<long>(record.strSunSign.size());
    }
    return checksum;
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

    korvane::ReadingRecord record;
    CountingFengShui fengShui;
    CountingAstrology astrology;
    const long expected = RunDomain(inputs, record, fengShui, astrology); // warm-up
    std::vector<double> times;
    for (int r = 0; r < repetitions; ++r) {
        const auto start = std::chrono::steady_clock::now();
        const long checksum = RunDomain(inputs, record, fengShui, astrology);
        const auto end = std::chrono::steady_clock::now();
        if (checksum != expected) {
            std::fprintf(stderr, "engine_bench: results differ between passes\n");
            return 1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    const long passes = repetitions + 1;
    const long n = static_cast<long>(inputs.size());
    if (fengShui.names != 4 * n * passes || astrology.calls != 7 * n * passes) {
        std::fprintf(stderr, "engine_bench: displays were not written for every input\n");
        return 1;
    }
    std::printf("engine_ms_median=%.2f engine_ms_min=%.2f engine_ms_max=%.2f inputs=%ld "
                "repetitions=%d ns_per_input=%.0f\n",
                Median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), n, repetitions,
                Median(times) * 1e6 / static_cast<double>(n));
    return 0;
}
