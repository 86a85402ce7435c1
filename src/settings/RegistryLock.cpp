#include "settings/RegistryLock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kyvra {

namespace {

// A transaction takes milliseconds; a lock this old belongs to a hung process, which QLockFile
// still leaves alone while that process holds it.
constexpr int staleLockMs = 10'000;
// QLockFile creates the file and locks it in one go, then writes its owner; a file younger than
// this may still be on its way.
constexpr qint64 creationMarginNs = 100'000'000;

qint64 ageNs(const struct ::stat& info) {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return (qint64(now.tv_sec) - info.st_mtim.tv_sec) * 1'000'000'000 +
           (qint64(now.tv_nsec) - info.st_mtim.tv_nsec);
}

} // namespace

RegistryLock::RegistryLock(const QString& path) : path_(path), lockFile_(path) {
    lockFile_.setStaleLockTime(staleLockMs);
}

RegistryLock::Result RegistryLock::tryLock(int waitMs) {
    // QLockFile's own waiting backs off to whole seconds; short random naps keep two busy
    // writers moving.
    const QDeadlineTimer deadline(waitMs);
    while (!lockFile_.tryLock(0)) {
        if (lockFile_.error() != QLockFile::LockFailedError)
            return Result::Failed;
        if (removeOrphanedLock())
            continue;
        if (deadline.hasExpired())
            return Result::Busy;
        QThread::msleep(QRandomGenerator::global()->bounded(1, 6));
    }
    return Result::Locked;
}

bool RegistryLock::removeOrphanedLock() {
    const QByteArray name = QFile::encodeName(path_);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT;
    if (S_ISDIR(info.st_mode))
        return QDir().rmdir(path_);
    qint64 pid = 0;
    QString host, application;
    if (!S_ISREG(info.st_mode) || lockFile_.getLockInfo(&pid, &host, &application))
        return false; // not ours to judge, or QLockFile judges it by its owner
    if (qAbs(ageNs(info)) < creationMarginNs)
        return false;
    // Its owner held an advisory lock on it while alive; a lock we can take has no owner.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ::unlink(name.constData()) == 0; // unreadable: nobody could have written an owner
    struct stat opened {};
    const bool orphaned = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
                          opened.st_ino == info.st_ino && opened.st_dev == info.st_dev &&
                          ::unlink(name.constData()) == 0;
    ::close(fd);
    return orphaned;
}

} // namespace kyvra
