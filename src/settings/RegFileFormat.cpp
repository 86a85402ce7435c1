#include "settings/RegFileFormat.h"

#include <QStringDecoder>

namespace kyvra {

namespace {

const QString header = QStringLiteral("Windows Registry Editor Version 5.00");

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += QStringLiteral("\\") + c;
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out + u'"';
}

// Reads a quoted text starting at pos and moves pos past it.
std::optional<QString> readQuoted(QStringView line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != u'"')
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return text;
        }
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++pos == line.size())
            return std::nullopt;
        const QChar escaped = line[pos];
        if (escaped == u'\\' || escaped == u'"')
            text += escaped;
        else if (escaped == u'r')
            text += u'\r';
        else if (escaped == u'n')
            text += u'\n';
        else
            return std::nullopt;
    }
    return std::nullopt; // unterminated
}

void skipSpaces(QStringView line, qsizetype& pos) {
    while (pos < line.size() && (line[pos] == u' ' || line[pos] == u'\t'))
        ++pos;
}

// `@="text"` or `"name"="text"`; nothing when the line is not one of those.
std::optional<RegistryTree::Value> parseValueLine(QStringView line) {
    qsizetype pos = 0;
    QString name;
    if (line.startsWith(u'@')) {
        pos = 1;
    } else if (auto quotedName = readQuoted(line, pos)) {
        name = *quotedName;
    } else {
        return std::nullopt;
    }
    skipSpaces(line, pos);
    if (pos >= line.size() || line[pos] != u'=')
        return std::nullopt;
    ++pos;
    skipSpaces(line, pos);
    auto text = readQuoted(line, pos);
    skipSpaces(line, pos);
    if (!text || pos != line.size())
        return std::nullopt;
    return RegistryTree::Value{name, *text};
}

// "[path]"; the path runs to the last ']' so that key names may contain one.
std::optional<QString> parseKeyLine(QStringView line) {
    const qsizetype close = line.lastIndexOf(u']');
    if (!line.startsWith(u'[') || close < 0 || !line.sliced(close + 1).trimmed().isEmpty())
        return std::nullopt;
    return line.sliced(1, close - 1).toString();
}

} // namespace

QByteArray regFileText(const RegistryTree& tree) {
    QString text = header + u'\n';
    for (const auto& [foldedPath, key] : tree.keys()) {
        const bool isRoot = !key.path.contains(u'\\');
        if (isRoot && key.values.empty())
            continue;
        text += QStringLiteral("\n[") + key.path + QStringLiteral("]\n");
        for (const auto& [foldedName, value] : key.values)
            text += (value.name.isEmpty() ? QStringLiteral("@") : quoted(value.name)) + u'=' +
                    quoted(value.text) + u'\n';
    }
    return text.toUtf8();
}

RegFileContents parseRegFile(const QByteArray& bytes) {
    RegFileContents contents;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    contents.damaged = decoder.hasError();
    if (text.trimmed().isEmpty())
        return contents;

    const QStringList lines = text.split(u'\n');
    std::optional<QString> currentKey;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (i == 0 && line == header)
            continue;
        if (i == 0)
            contents.damaged = true;
        if (line.trimmed().isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            currentKey = parseKeyLine(line);
            if (!currentKey ||
                contents.tree.createKey(*currentKey) == RegistryTree::Edit::Refused) {
                currentKey.reset();
                contents.damaged = true;
            }
            continue;
        }
        const auto value = parseValueLine(line);
        if (!value || !currentKey) {
            contents.damaged = true;
            continue;
        }
        contents.tree.setValue(*currentKey, value->name, value->text);
    }
    return contents;
}

} // namespace kyvra
