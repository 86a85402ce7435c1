#pragma once

#include "platform/Prompts.h"
#include "settings/RegistryStore.h"

#include <QString>

namespace kyvra {

// Registry access by key paths written as one text, "HKEY_LOCAL_MACHINE\Software\x": the
// settings, the saved window positions and the file-type registration all go through here.
// Failures are never reported; reads give "Error" and writes are skipped. The one message is
// "Incorrect Format:" for a path that does not start with "HKEY_" or ends with a backslash.
class Registry {
public:
    Registry(RegistryStore& store, Prompts& prompts);

    // The predefined key of one of the seven root names (exact case), else 0.
    static quint32 RootKeyFromName(const QString& name);

    // Splits the path: root from the root name, the path replaced by the subkey part (empty for
    // the root itself). False, after the format message, when the caller is to do nothing.
    bool ParseKeyPath(QString& path, quint32& root);

    // The value's text without leading spaces; "Error" when the key or value cannot be read or
    // the value is longer than 254 characters; empty text for an unknown root name.
    QString ReadRegValue(const QString& keyPath, const QString& valueName);
    // Stores the text in an existing key; under a missing key nothing is stored.
    void WriteRegValue(const QString& keyPath, const QString& valueName, const QString& text);
    // Creates the key and the missing keys above it.
    void CreateRegKey(const QString& keyPath);
    // Creates a key under HKEY_CLASSES_ROOT, given by its path below it.
    void CreateClassKey(const QString& subkeyPath);
    // Removes the key with everything under it; a missing key or a root is left alone, silently.
    void DeleteRegKey(const QString& keyPath);

private:
    static QString storePath(quint32 root, const QString& subkey);

    RegistryStore& store_;
    Prompts& prompts_;
};

} // namespace kyvra
