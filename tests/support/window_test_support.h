#pragma once

#include "recording_platform.h"

#include <QWidget>

#include <memory>

namespace korvane {

// Sets up each window test: a recording platform instead of the desktop, a
// process ender that only counts, and no windows left over from the test
// before. Create one in init() and destroy it in cleanup().
class WindowTestBed {
public:
    WindowTestBed();
    ~WindowTestBed();

    RecordingPlatform platform;
    int endRequests = 0;
};

// The top-level windows of the program that are visible now, by object name,
// sorted.
QStringList VisibleWindowNames();

// Processes pending events, including deferred deletions.
void Settle();

} // namespace korvane
