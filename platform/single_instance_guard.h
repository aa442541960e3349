#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace korvane {

enum class InstanceClaim {
    First,          // this copy holds the guard for as long as it runs
    AlreadyRunning, // another copy of this user holds it
    Unguarded,      // the guard could not be set up; the program runs anyway
};

// Tells whether another copy of the program runs for the same user. The lock
// lives in the user's runtime folder (on Windows the user's temporary folder);
// a copy that crashed leaves a lock that the next start recognises as stale by
// its process id.
class SingleInstanceGuard {
public:
    // An empty folder means the user's runtime folder.
    explicit SingleInstanceGuard(const QString& lockFolder = QString());
    ~SingleInstanceGuard();

    InstanceClaim Claim();
    QString LockFilePath() const { return lockFilePath_; }

private:
    QString lockFilePath_;
    std::unique_ptr<QLockFile> lock_;
};

} // namespace korvane
