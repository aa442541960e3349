#pragma once

#include <cstdint>
#include <random>

namespace korvane {

// The program's random numbers: seeded from the clock, drawn as
// single-precision values in [0, 1).
class ProgramRandom {
public:
    void SeedFromClock();
    void Seed(std::uint32_t seed) { engine_.seed(seed); }
    float NextSingle();

private:
    std::mt19937 engine_{5489u};
};

ProgramRandom& TheProgramRandom();

} // namespace korvane
