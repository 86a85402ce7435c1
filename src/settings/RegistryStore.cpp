#include "settings/RegistryStore.h"

#include "settings/RegFileFormat.h"
#include "settings/RegistryLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <sys/stat.h>

namespace kyvra {

namespace {

// Waits for the lock happen on the GUI thread: a change waits at most this long, then is kept
// and retried.
constexpr int lockWaitMs = 1'000;
constexpr int retryIntervalMs = 3'000;
constexpr int retryLockWaitMs = 50;
// Far beyond any real registry; a bigger file is not ours to load into memory.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

} // namespace

RegistryStore::RegistryStore(QString filePath) : path_(std::move(filePath)) {
    retryTimer_.setInterval(retryIntervalMs);
    QObject::connect(&retryTimer_, &QTimer::timeout,
                     [this] { storePendingChanges(retryLockWaitMs); });
}

RegistryStore::~RegistryStore() {
    if (!storePendingChanges(lockWaitMs))
        qWarning("Settings not saved: another process holds %s.lock", qPrintable(path_));
}

QString RegistryStore::defaultPath() {
    const QString overridden = qEnvironmentVariable("KYVRA_REGISTRY");
    if (!overridden.isEmpty())
        return overridden;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/kyvra/registry.reg");
}

// Reads take no lock: every write replaces the file by a rename, so a reader always sees one
// whole version of it.
bool RegistryStore::keyExists(const QString& keyPath) {
    return refresh(false) && tree_.keyExists(keyPath);
}

std::optional<QString> RegistryStore::value(const QString& keyPath, const QString& name) {
    if (!refresh(false))
        return std::nullopt;
    return tree_.value(keyPath, name);
}

QStringList RegistryStore::subkeyNames(const QString& keyPath) {
    return refresh(false) ? tree_.subkeyNames(keyPath) : QStringList();
}

QStringList RegistryStore::valueNames(const QString& keyPath) {
    return refresh(false) ? tree_.valueNames(keyPath) : QStringList();
}

// Changes copy their arguments: one that has to wait for the lock outlives the call.
bool RegistryStore::createKey(const QString& keyPath) {
    return edit([=](RegistryTree& tree) { return tree.createKey(keyPath); }, lockWaitMs);
}

bool RegistryStore::setValue(const QString& keyPath, const QString& name, const QString& text) {
    return edit([=](RegistryTree& tree) { return tree.setValue(keyPath, name, text); }, lockWaitMs);
}

bool RegistryStore::updateValue(
    const QString& keyPath, const QString& name,
    const std::function<QString(const std::optional<QString>&)>& update) {
    return edit(
        [=](RegistryTree& tree) {
            return tree.setValue(keyPath, name, update(tree.value(keyPath, name)));
        },
        lockWaitMs);
}

bool RegistryStore::deleteKey(const QString& keyPath) {
    return edit([=](RegistryTree& tree) { return tree.deleteKey(keyPath); }, lockWaitMs);
}

bool RegistryStore::storePendingChanges(int waitMs) {
    if (!pending_.empty())
        edit(Change(), waitMs);
    return pending_.empty();
}

RegistryStore::FileStamp RegistryStore::stampOf(const struct ::stat& info) {
    return {true,
            quint64(info.st_dev),
            quint64(info.st_ino),
            qint64(info.st_size),
            qint64(info.st_mtim.tv_sec),
            qint64(info.st_mtim.tv_nsec)};
}

bool RegistryStore::refresh(bool thorough) {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly)) {
        if (QFileInfo::exists(path_)) {
            cacheValid_ = false;
            return false;
        }
        if (!cacheValid_ || stamp_.exists) {
            adopt(RegistryTree());
            bytes_.clear();
            stamp_ = FileStamp();
            damagedWithoutCopy_ = false;
            cacheValid_ = true;
        }
        return true;
    }

    // The stamp of the very file that is read, not of whatever the path names a moment later.
    struct stat info {};
    if (::fstat(file.handle(), &info) != 0 || info.st_size > maxFileSize) {
        cacheValid_ = false;
        return false;
    }
    const FileStamp stamp = stampOf(info);
    if (cacheValid_ && stamp == stamp_ && !thorough)
        return true;

    // Inode numbers are reused and timestamps are coarse, so a write also compares contents.
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        cacheValid_ = false;
        return false;
    }
    stamp_ = stamp;
    if (cacheValid_ && bytes == bytes_)
        return true;

    RegFileContents contents = parseRegFile(bytes);
    damagedWithoutCopy_ = contents.damaged && !keepDamagedCopy(bytes);
    adopt(std::move(contents.tree));
    bytes_ = std::move(bytes);
    cacheValid_ = true;
    return true;
}

void RegistryStore::adopt(RegistryTree tree) {
    tree_ = std::move(tree);
    for (const Change& change : pending_)
        change(tree_);
}

bool RegistryStore::edit(const Change& change, int lockWaitMs) {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    RegistryLock lock(path_ + QStringLiteral(".lock"));
    // Once the lock was found held, later changes try it without waiting until it is had again,
    // so a burst of changes costs the window one wait, not one each.
    const RegistryLock::Result locked = lock.tryLock(change && lockBusy_ ? 0 : lockWaitMs);
    if (locked == RegistryLock::Result::Failed)
        return false;
    lockBusy_ = locked == RegistryLock::Result::Busy;
    if (lockBusy_) {
        if (!change || !refresh(false))
            return false;
        const RegistryTree::Edit result = change(tree_);
        if (result == RegistryTree::Edit::Changed) {
            pending_.push_back(change);
            if (QCoreApplication::instance() && !retryTimer_.isActive())
                retryTimer_.start();
        }
        return result != RegistryTree::Edit::Refused;
    }
    if (!refresh(true))
        return false;
    // A damaged file is rewritten only once a copy of it is safe.
    if (damagedWithoutCopy_ && keepDamagedCopy(bytes_))
        damagedWithoutCopy_ = false;
    if (damagedWithoutCopy_)
        return false;

    const RegistryTree::Edit result = change ? change(tree_) : RegistryTree::Edit::Unchanged;
    if (result != RegistryTree::Edit::Changed && pending_.empty())
        return result == RegistryTree::Edit::Unchanged;
    if (!save()) {
        cacheValid_ = false; // the tree now differs from the file
        return false;
    }
    pending_.clear();
    retryTimer_.stop();
    return result != RegistryTree::Edit::Refused;
}

bool RegistryStore::save() {
    const QByteArray bytes = regFileText(tree_);
    QSaveFile file(path_);
    // Unbuffered, so a short write (a full disk, a size limit) shows in write()'s count; a
    // buffered one fails only in the flush, which commit() does not notice, and the truncated
    // file would replace the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    ::fchmod(file.handle(), S_IRUSR | S_IWUSR);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return false;

    struct stat info {};
    if (::stat(QFile::encodeName(path_).constData(), &info) != 0) {
        cacheValid_ = false; // written, but read it back next time
        return true;
    }
    stamp_ = stampOf(info);
    bytes_ = bytes;
    return true;
}

bool RegistryStore::keepDamagedCopy(const QByteArray& bytes) const {
    const QFileInfo info(path_);
    const QDir dir = info.absoluteDir();
    const QString prefix = info.fileName() + QStringLiteral(".damaged-");
    // Once per damaged version, whichever process noticed it first.
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        QFile existing(dir.filePath(name));
        if (name.startsWith(prefix) && existing.size() == bytes.size() &&
            existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
            return true;
    }
    const QString stem = dir.filePath(
        prefix + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
    for (int n = 1; n < 100; ++n) {
        QFile copy(n == 1 ? stem : stem + u'-' + QString::number(n));
        if (copy.exists())
            continue;
        return copy.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                         QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
               copy.write(bytes) == bytes.size() && copy.flush();
    }
    return false;
}

} // namespace kyvra
