#pragma once

#include <cstdint>

namespace korvane {

// r * 6 + 1 rounded to the nearest integer, halves to the even neighbour:
// 1 to 7, with 1 and 7 half as likely as the others.
std::int16_t CoBrandNumber(float r);

// Whether that number puts the co-branding offer in front (1, 3 or 5); the
// others leave the full-branding offer in front.
bool CoBrandInFront(std::int16_t coBrandNumber);

// Puts the offer that a random draw picks in front on the birth details
// window; runs once, at the end of start-up.
void CoBrand_Randomize();

// What can wait until the first window's first frame is on the screen: the
// program's icon (its images are decoded only then; every window takes it
// from the program) and the bound on Qt's picture cache.
void FinishStartUp();

// The windows speak the first of the user's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG on Linux; the display language on Windows) that has a
// catalogue; English otherwise.
void UseUsersLanguage();

// The whole run of the program, from the single-instance guard to the end
// of the event loop. Returns the process's exit status.
int RunKorvane(int argc, char** argv);

} // namespace korvane
