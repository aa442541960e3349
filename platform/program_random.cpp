#include "program_random.h"

#include <chrono>

namespace korvane {

void ProgramRandom::SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

float ProgramRandom::NextSingle() {
    // 24 random bits fill a float's mantissa exactly, so 1.0 never comes up.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

ProgramRandom& TheProgramRandom() {
    static ProgramRandom random;
    return random;
}

} // namespace korvane
