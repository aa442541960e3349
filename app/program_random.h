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

// r * 6 + 1 rounded to the nearest integer, halves to the even neighbour:
// 1 to 7, with 1 and 7 half as likely as the others.
std::int16_t CoBrandNumber(float r);

// Whether that number puts the co-branding offer in front (1, 3 or 5); the
// others leave the full-branding offer in front.
bool CoBrandInFront(std::int16_t coBrandNumber);

// The index of a support text, 0 to 3: the integer part of r * 4.
int SupportTextIndex(float r);

} // namespace korvane
