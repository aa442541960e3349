#include "program_random.h"

#include <chrono>
#include <cmath>

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

std::int16_t CoBrandNumber(float r) {
    // Exact in double: a float has 24 significant bits.
    const double x = static_cast<double>(r) * 6.0 + 1.0;
    const double below = std::floor(x);
    const double fraction = x - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    return static_cast<std::int16_t>(rounded);
}

bool CoBrandInFront(std::int16_t coBrandNumber) {
    return coBrandNumber == 1 || coBrandNumber == 3 || coBrandNumber == 5;
}

int SupportTextIndex(float r) {
    return static_cast<int>(static_cast<double>(r) * 4.0);
}

} // namespace korvane
