#pragma once

#include <QLockFile>
#include <QString>

namespace kyvra {

// The lock file that makes each change of the registry file one transaction between processes.
// Locks left behind by a process that died are taken over at once, also the empty ones a writer
// killed while taking the lock leaves; a lock held by a live process is waited for only briefly,
// because the wait happens on the GUI thread.
class RegistryLock {
public:
    explicit RegistryLock(const QString& path);

    enum class Result {
        Locked,
        Busy,   // another process held it for all of waitMs
        Failed, // the lock cannot be made at all (no permission, no space)
    };
    Result tryLock(int waitMs);

private:
    // Removes a lock file whose owner cannot be alive though QLockFile cannot tell (no readable
    // owner in it), or an empty folder in the lock's place. True when it is gone.
    bool removeOrphanedLock();

    QString path_;
    QLockFile lockFile_;
};

} // namespace kyvra
