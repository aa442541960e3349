#pragma once

namespace korvane {

// Lets the installer and the uninstaller see that this user runs a copy of
// the program, whose files cannot be replaced or deleted while it runs. On
// Windows it is a named mutex per user, held for the object's lifetime;
// elsewhere there is nothing to tell and it does nothing. It is no guard:
// the lock file of SingleInstanceGuard decides which copy runs.
class RunningCopyMark {
public:
    RunningCopyMark();
    ~RunningCopyMark();
    RunningCopyMark(const RunningCopyMark&) = delete;
    RunningCopyMark& operator=(const RunningCopyMark&) = delete;

private:
    void* handle_ = nullptr;
};

} // namespace korvane
