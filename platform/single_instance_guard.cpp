#include "single_instance_guard.h"

#include "program_identity.h"

#include <QDir>
#include <QStandardPaths>

namespace korvane {

SingleInstanceGuard::SingleInstanceGuard(const QString& lockFolder) {
    const QString folder = lockFolder.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                               : lockFolder;
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
    if (lock_->error() == QLockFile::LockFailedError)
        return InstanceClaim::AlreadyRunning;
    return InstanceClaim::Unguarded;
}

} // namespace korvane
