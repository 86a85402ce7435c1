#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace kyvra {

// The registry as data: keys addressed by full paths ("HKEY_CURRENT_USER\Software\x") that
// start with one of the seven root names, holding string values (the default value has the
// empty name). Names compare without regard to case and keep the case they were created with.
// The roots always exist. Key names may hold any character but the backslash and control
// characters; value names and texts may hold anything.
class RegistryTree {
public:
    // What an edit did: Refused leaves the tree as it was because the edit is not possible.
    enum class Edit { Refused, Unchanged, Changed };

    struct Value {
        QString name;
        QString text;
    };
    struct Key {
        QString path;
        std::map<QString, Value> values; // by case-folded name
    };

    RegistryTree();

    static const QStringList& rootNames();

    bool keyExists(const QString& keyPath) const;
    std::optional<QString> value(const QString& keyPath, const QString& name) const;
    QStringList subkeyNames(const QString& keyPath) const;
    QStringList valueNames(const QString& keyPath) const;

    // Creates the missing keys on the way down.
    Edit createKey(const QString& keyPath);
    // Refused when the key does not exist.
    Edit setValue(const QString& keyPath, const QString& name, const QString& text);
    // Removes the key and everything under it; Refused for a root or a malformed path.
    Edit deleteKey(const QString& keyPath);

    // Every key, parents before their subkeys.
    const std::map<QString, Key>& keys() const { return keys_; }

private:
    const Key* find(const QString& keyPath) const;

    std::map<QString, Key> keys_; // by case-folded path
};

} // namespace kyvra
