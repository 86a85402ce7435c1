#include "settings/RegistryStore.h"

#include "settings/RegFileFormat.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QThread>
#include <sys/stat.h>

namespace kyvra {

namespace {

// A transaction takes milliseconds; a lock this old belongs to a hung process. Locks of
// processes that died are taken over at once.
constexpr int staleLockMs = 10'000;
constexpr int lockWaitMs = 15'000;
// Far beyond any real registry; a bigger file is not ours to load into memory.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

bool lock(QLockFile& lockFile) {
    lockFile.setStaleLockTime(staleLockMs);
    // QLockFile's own waiting backs off to whole seconds; short random naps keep two busy
    // writers moving.
    const QDeadlineTimer deadline(lockWaitMs);
    while (!lockFile.tryLock(0)) {
        if (lockFile.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(QRandomGenerator::global()->bounded(1, 6));
    }
    return true;
}

} // namespace

RegistryStore::RegistryStore(QString filePath) : path_(std::move(filePath)) {}

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

bool RegistryStore::createKey(const QString& keyPath) {
    return edit([&](RegistryTree& tree) { return tree.createKey(keyPath); });
}

bool RegistryStore::setValue(const QString& keyPath, const QString& name, const QString& text) {
    return edit([&](RegistryTree& tree) { return tree.setValue(keyPath, name, text); });
}

bool RegistryStore::deleteKey(const QString& keyPath) {
    return edit([&](RegistryTree& tree) { return tree.deleteKey(keyPath); });
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
            tree_ = RegistryTree();
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
    tree_ = std::move(contents.tree);
    bytes_ = std::move(bytes);
    cacheValid_ = true;
    return true;
}

bool RegistryStore::edit(const std::function<RegistryTree::Edit(RegistryTree&)>& change) {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return false;
    QLockFile lockFile(path_ + QStringLiteral(".lock"));
    if (!lock(lockFile) || !refresh(true))
        return false;
    // A damaged file is rewritten only once a copy of it is safe.
    if (damagedWithoutCopy_ && keepDamagedCopy(bytes_))
        damagedWithoutCopy_ = false;
    if (damagedWithoutCopy_)
        return false;

    switch (change(tree_)) {
    case RegistryTree::Edit::Refused:
        return false;
    case RegistryTree::Edit::Unchanged:
        return true;
    case RegistryTree::Edit::Changed:
        break;
    }
    if (!save()) {
        cacheValid_ = false; // the tree now differs from the file
        return false;
    }
    return true;
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
