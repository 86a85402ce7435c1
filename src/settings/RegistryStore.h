#pragma once

#include "settings/RegistryTree.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

struct stat;

namespace kyvra {

// The registry kept in one .reg text file per user (see RegFileFormat.h), shared safely by every
// running player: each change is one transaction under a lock file that re-reads the file when
// another process changed it and replaces it atomically, so concurrent writers never lose each
// other's changes and a crash leaves the previous version in place.
//
// Nothing here throws. A file that cannot be read makes reads find nothing and writes fail; a
// file that cannot be parsed is copied aside once and what could be read serves, until the next
// change rewrites it.
//
// A change never waits long for the lock (it runs on the GUI thread): when another process holds
// the lock too long, the change is kept, seen by this store's reads, and stored with the next
// change, by a retry every few seconds, or at the latest when the store closes.
class RegistryStore {
public:
    explicit RegistryStore(QString filePath);
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // $KYVRA_REGISTRY, else $XDG_CONFIG_HOME/kyvra/registry.reg, else ~/.config/kyvra/registry.reg.
    static QString defaultPath();

    bool keyExists(const QString& keyPath);
    std::optional<QString> value(const QString& keyPath, const QString& name);
    QStringList subkeyNames(const QString& keyPath);
    QStringList valueNames(const QString& keyPath);

    // True when the key exists afterwards; missing keys above it are created too.
    bool createKey(const QString& keyPath);
    // False, and nothing stored, when the key does not exist or the file cannot be written.
    bool setValue(const QString& keyPath, const QString& name, const QString& text);
    // Replaces the value by what update makes of the current one (nullopt when missing) in one
    // transaction, so that updates by several processes never lose one another. update may run
    // more than once and must depend on its argument only.
    bool updateValue(const QString& keyPath, const QString& name,
                     const std::function<QString(const std::optional<QString>&)>& update);
    // Removes the key with everything under it. True when it is gone afterwards (a missing key
    // included); a root cannot be deleted.
    bool deleteKey(const QString& keyPath);

    // Changes kept because the lock could not be had; storePendingChanges tries again, waiting
    // up to waitMs for the lock. True when nothing is left pending.
    bool hasPendingChanges() const { return !pending_.empty(); }
    bool storePendingChanges(int waitMs);

private:
    using Change = std::function<RegistryTree::Edit(RegistryTree&)>;

    // Which version of the file the cache holds; every write makes a new inode.
    struct FileStamp {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedSeconds = 0;
        qint64 modifiedNanoseconds = 0;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp stampOf(const struct ::stat& info);

    // Brings the cache up to date with the file; false when the file cannot be read.
    // Thorough compares the contents too, for writes that must not miss a change.
    bool refresh(bool thorough);
    // Takes the tree as read from the file, with the pending changes on top.
    void adopt(RegistryTree tree);
    // One transaction: the change (none only stores what is pending) and what is pending.
    bool edit(const Change& change, int lockWaitMs);
    bool save();
    bool keepDamagedCopy(const QByteArray& bytes) const;

    QString path_;
    RegistryTree tree_;
    QByteArray bytes_; // the file as last read or written
    FileStamp stamp_;
    bool cacheValid_ = false;
    bool damagedWithoutCopy_ = false;
    std::vector<Change> pending_; // applied to tree_ too, in order
    bool lockBusy_ = false;       // the last try found the lock held by another process
    QTimer retryTimer_;
};

} // namespace kyvra
