#pragma once

namespace korvane {

// Leaving a main window other than by the program's own hand-off: the exit
// promotion window is shown, without blocking, while the main window is
// still closing. The program keeps running until that window goes.
void TakeExitPath();

// Ends the program: unloads every loaded window, oldest first, then ends
// the process. Nothing that an unload handler shows again survives it, and
// a second call while it runs does nothing.
void EndProgram();

} // namespace korvane
