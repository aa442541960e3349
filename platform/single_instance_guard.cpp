#include "single_instance_guard.h"

#include "program_identity.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace korvane {
namespace {

// A lock that belongs to another user is not a copy of ours.
bool LockBelongsToSomeoneElse(const QString& path) {
#ifdef Q_OS_UNIX
    const QFileInfo info(path);
    return info.exists() && info.ownerId() != static_cast<uint>(::getuid());
#else
    Q_UNUSED(path);
    return false;
#endif
}

// A folder of the user's own that lives no longer than the session needs it:
// the runtime folder, or on Windows the user's temporary folder (Qt's
// runtime location there is the home folder).
QString UserLockFolder() {
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& lockFolder) {
    const QString folder = lockFolder.isEmpty() ? UserLockFolder() : lockFolder;
    if (!folder.isEmpty())
        lockFilePath_ = QDir(folder).filePath(kApplicationName + QStringLiteral(".lock"));
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

InstanceClaim SingleInstanceGuard::Claim() {
    if (lockFilePath_.isEmpty())
        return InstanceClaim::Unguarded;
    lock_ = std::make_unique<QLockFile>(lockFilePath_);
    // Held for the whole run: only a dead holder makes a lock stale.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return InstanceClaim::First;
    if (lock_->error() == QLockFile::LockFailedError && !LockBelongsToSomeoneElse(lockFilePath_))
        return InstanceClaim::AlreadyRunning;
    // The lock cannot be taken or is not ours to judge: better to start
    // without the guard than not at all.
    return InstanceClaim::Unguarded;
}

} // namespace korvane
