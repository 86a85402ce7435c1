#include "platform/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace kyvra {

namespace {
QString defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/kyvra-player.lock");
}
} // namespace

SingleInstance::SingleInstance(const QString& lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath.isEmpty() ? defaultLockPath() : lockPath)) {
    // A running player never lets go of the lock, so it can never go stale by age; only a dead
    // owner (which QLockFile detects by its process id) frees it.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::anotherIsRunning() {
    if (lock_->isLocked())
        return false;
    return !lock_->tryLock(0);
}

} // namespace kyvra
