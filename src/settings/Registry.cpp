#include "settings/Registry.h"

namespace kyvra {

namespace {

// The predefined keys are numbered from here in the order of RegistryTree::rootNames().
constexpr quint32 firstRootKey = 0x80000000u;
constexpr quint32 classesRoot = firstRootKey;
// A read buffer of 255 characters holds 254 and the terminator.
constexpr qsizetype maxReadLength = 254;

const QString errorText = QStringLiteral("Error");

} // namespace

Registry::Registry(RegistryStore& store, Prompts& prompts) : store_(store), prompts_(prompts) {}

quint32 Registry::RootKeyFromName(const QString& name) {
    const qsizetype index = RegistryTree::rootNames().indexOf(name);
    return index < 0 ? 0 : firstRootKey + quint32(index);
}

QString Registry::storePath(quint32 root, const QString& subkey) {
    const QString& rootName = RegistryTree::rootNames().at(root - firstRootKey);
    return subkey.isEmpty() ? rootName : rootName + u'\\' + subkey;
}

bool Registry::ParseKeyPath(QString& path, quint32& root) {
    root = 0;
    if (!path.startsWith(QStringLiteral("HKEY_")) || path.endsWith(u'\\')) {
        prompts_.messageBox(QStringLiteral("Incorrect Format:\n\n") + path, MsgButtons::Ok,
                            MsgIcon::None, QString());
        return false;
    }
    const qsizetype backslash = path.indexOf(u'\\');
    if (backslash < 0) {
        root = RootKeyFromName(path);
        path.clear();
    } else {
        root = RootKeyFromName(path.left(backslash));
        path = path.mid(backslash + 1);
    }
    return true;
}

QString Registry::ReadRegValue(const QString& keyPath, const QString& valueName) {
    QString subkey = keyPath;
    quint32 root = 0;
    if (!ParseKeyPath(subkey, root))
        return errorText;
    if (root == 0)
        return QString();
    const auto text = store_.value(storePath(root, subkey), valueName);
    if (!text || text->toUcs4().size() > maxReadLength)
        return errorText;
    // The space-padded buffer is trimmed, so leading spaces go and trailing ones (kept by the
    // terminator) stay; with leading spaces the terminator itself is not taken into the text.
    qsizetype start = 0;
    while (start < text->size() && text->at(start) == u' ')
        ++start;
    return text->mid(start);
}

void Registry::WriteRegValue(const QString& keyPath, const QString& valueName,
                             const QString& text) {
    QString subkey = keyPath;
    quint32 root = 0;
    if (ParseKeyPath(subkey, root) && root != 0)
        store_.setValue(storePath(root, subkey), valueName, text);
}

void Registry::CreateRegKey(const QString& keyPath) {
    QString subkey = keyPath;
    quint32 root = 0;
    if (ParseKeyPath(subkey, root) && root != 0)
        store_.createKey(storePath(root, subkey));
}

void Registry::CreateClassKey(const QString& subkeyPath) {
    store_.createKey(storePath(classesRoot, subkeyPath));
}

void Registry::DeleteRegKey(const QString& keyPath) {
    const qsizetype backslash = keyPath.indexOf(u'\\');
    if (backslash < 0)
        return;
    const quint32 root = RootKeyFromName(keyPath.left(backslash));
    if (root != 0)
        store_.deleteKey(storePath(root, keyPath.mid(backslash + 1)));
}

} // namespace kyvra
