#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace kyvra {

// Tells whether another copy of the player is running for this user. The lock is held for the
// life of this object, and a lock left by a crashed copy is taken over.
class SingleInstance {
public:
    // The lock file in the user's runtime folder unless a path is given.
    explicit SingleInstance(const QString& lockPath = {});

    // True when another running instance holds the lock; otherwise this instance takes it.
    bool anotherIsRunning();

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace kyvra
