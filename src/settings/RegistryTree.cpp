#include "settings/RegistryTree.h"

#include <algorithm>

namespace kyvra {

namespace {

bool isValidKeyName(const QString& name) {
    return !name.isEmpty() &&
           std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; });
}

// The path's names with the root spelled as the tree spells it; nothing for a malformed path.
std::optional<QStringList> splitPath(const QString& keyPath) {
    QStringList parts = keyPath.split(u'\\');
    const auto& roots = RegistryTree::rootNames();
    const auto root = std::find_if(roots.begin(), roots.end(), [&](const QString& r) {
        return r.compare(parts.front(), Qt::CaseInsensitive) == 0;
    });
    if (root == roots.end() || !std::all_of(parts.begin() + 1, parts.end(), isValidKeyName))
        return std::nullopt;
    parts.front() = *root;
    return parts;
}

QString folded(const QString& text) {
    return text.toCaseFolded();
}

// The map key of a well-formed path.
std::optional<QString> mapKey(const QString& keyPath) {
    if (!splitPath(keyPath))
        return std::nullopt;
    return folded(keyPath);
}

QString lastName(const QString& path) {
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

} // namespace

RegistryTree::RegistryTree() {
    for (const QString& root : rootNames())
        keys_[folded(root)] = Key{root, {}};
}

const QStringList& RegistryTree::rootNames() {
    static const QStringList names{
        QStringLiteral("HKEY_CLASSES_ROOT"),     QStringLiteral("HKEY_CURRENT_USER"),
        QStringLiteral("HKEY_LOCAL_MACHINE"),    QStringLiteral("HKEY_USERS"),
        QStringLiteral("HKEY_PERFORMANCE_DATA"), QStringLiteral("HKEY_CURRENT_CONFIG"),
        QStringLiteral("HKEY_DYN_DATA")};
    return names;
}

const RegistryTree::Key* RegistryTree::find(const QString& keyPath) const {
    const auto key = mapKey(keyPath);
    const auto it = key ? keys_.find(*key) : keys_.end();
    return it == keys_.end() ? nullptr : &it->second;
}

bool RegistryTree::keyExists(const QString& keyPath) const {
    return find(keyPath) != nullptr;
}

std::optional<QString> RegistryTree::value(const QString& keyPath, const QString& name) const {
    const Key* key = find(keyPath);
    if (!key)
        return std::nullopt;
    const auto it = key->values.find(folded(name));
    if (it == key->values.end())
        return std::nullopt;
    return it->second.text;
}

QStringList RegistryTree::subkeyNames(const QString& keyPath) const {
    QStringList names;
    if (!find(keyPath))
        return names;
    const QString prefix = folded(keyPath) + u'\\';
    for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.startsWith(prefix);
         ++it) {
        if (!it->first.sliced(prefix.size()).contains(u'\\'))
            names << lastName(it->second.path);
    }
    return names;
}

QStringList RegistryTree::valueNames(const QString& keyPath) const {
    QStringList names;
    if (const Key* key = find(keyPath))
        for (const auto& [foldedName, value] : key->values)
            names << value.name;
    return names;
}

RegistryTree::Edit RegistryTree::createKey(const QString& keyPath) {
    const auto parts = splitPath(keyPath);
    if (!parts)
        return Edit::Refused;
    Edit edit = Edit::Unchanged;
    QString path = parts->front();
    for (qsizetype i = 1; i < parts->size(); ++i) {
        const QString wanted = path + u'\\' + parts->at(i);
        // An existing key keeps its own spelling; the path below it follows that spelling.
        auto [it, inserted] = keys_.try_emplace(folded(wanted), Key{wanted, {}});
        path = it->second.path;
        if (inserted)
            edit = Edit::Changed;
    }
    return edit;
}

RegistryTree::Edit RegistryTree::setValue(const QString& keyPath, const QString& name,
                                          const QString& text) {
    const auto key = mapKey(keyPath);
    const auto found = key ? keys_.find(*key) : keys_.end();
    if (found == keys_.end())
        return Edit::Refused;
    auto [it, inserted] = found->second.values.try_emplace(folded(name), Value{name, text});
    if (!inserted && it->second.text == text)
        return Edit::Unchanged;
    it->second.text = text;
    return Edit::Changed;
}

RegistryTree::Edit RegistryTree::deleteKey(const QString& keyPath) {
    const auto key = mapKey(keyPath);
    if (!key || !keyPath.contains(u'\\'))
        return Edit::Refused;
    if (!keys_.erase(*key))
        return Edit::Unchanged;
    const QString prefix = *key + u'\\';
    auto end = keys_.lower_bound(prefix);
    while (end != keys_.end() && end->first.startsWith(prefix))
        ++end;
    keys_.erase(keys_.lower_bound(prefix), end);
    return Edit::Changed;
}

} // namespace kyvra
