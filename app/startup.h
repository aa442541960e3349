#pragma once

namespace korvane {

// Puts the offer that a random draw picks in front on the birth details
// window; runs once, at the end of start-up.
void CoBrand_Randomize();

// The whole run of the program, from the single-instance guard to the end
// of the event loop. Returns the process's exit status.
int RunKorvane(int argc, char** argv);

} // namespace korvane
