#include "update/RegFile.h"

#include <QStringDecoder>
#include <QStringList>

namespace stoupe {

namespace {

const QStringList kRoots = {QStringLiteral("HKEY_CURRENT_USER"),
                            QStringLiteral("HKEY_LOCAL_MACHINE"),
                            QStringLiteral("HKEY_CLASSES_ROOT")};

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString decodeFile(QByteArrayView bytes) {
    if (bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE) {
        QStringDecoder utf16(QStringDecoder::Utf16LE);
        return utf16(bytes.sliced(2));
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    return utf8(bytes);
}

// "[HKEY_...\path]" to a path with its root spelt in capitals; "" when the
// section is not a key of a known root.
QString sectionPath(QStringView inner) {
    QString path = inner.trimmed().toString();
    while (path.endsWith(u'\\'))
        path = path.chopped(1).trimmed();
    const qsizetype slash = path.indexOf(u'\\');
    const QString root = slash < 0 ? path : path.first(slash);
    for (const QString& known : kRoots) {
        if (sameName(root, known))
            return known + path.sliced(root.size());
    }
    return QString();
}

// Reads a quoted text starting at pos (on the opening quote); advances pos
// past the closing quote. Only \\ and \" are escapes.
bool readQuoted(QStringView line, qsizetype& pos, QString& out) {
    if (pos >= line.size() || line[pos] != u'"')
        return false;
    out.clear();
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == u'"') {
            ++pos;
            return true;
        }
        if (c == u'\\' && pos + 1 < line.size()) {
            out += line[++pos];
            continue;
        }
        out += c;
    }
    return false;
}

bool parseHexBytes(QStringView text, QByteArray& out) {
    out.clear();
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return true;
    for (QStringView part : trimmed.split(u',')) {
        bool ok = false;
        const QStringView digits = part.trimmed();
        const uint v = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 2)
            return false;
        out.append(char(v));
    }
    return true;
}

QString textFromUtf16(const QByteArray& bytes) {
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8)));
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

// The value part after "=": false when it cannot be read (the line is skipped).
bool parseData(QStringView data, RegEntry& entry) {
    data = data.trimmed();
    if (data.startsWith(u'"')) {
        qsizetype pos = 0;
        QString text;
        if (!readQuoted(data, pos, text) || !data.sliced(pos).trimmed().isEmpty())
            return false;
        entry.value = RegistryValue(text);
        return true;
    }
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        const QStringView digits = data.sliced(6).trimmed();
        bool ok = false;
        const uint v = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 8)
            return false;
        entry.value = RegistryValue(uint32_t(v));
        return true;
    }
    if (data.startsWith(u"hex", Qt::CaseInsensitive)) {
        const qsizetype colon = data.indexOf(u':');
        if (colon < 0)
            return false;
        const QStringView kind = data.first(colon).sliced(3);
        QByteArray bytes;
        if (!parseHexBytes(data.sliced(colon + 1), bytes))
            return false;
        if (kind.isEmpty()) {
            entry.value = RegistryValue(bytes);
        } else if (sameName(kind.toString(), QStringLiteral("(1)")) ||
                   sameName(kind.toString(), QStringLiteral("(2)"))) {
            // Plain and expandable strings written as UTF-16 bytes; the
            // expandable kind is not expanded.
            entry.value = RegistryValue(textFromUtf16(bytes));
            entry.raw = data.toString();
        } else {
            entry.value = RegistryValue();
            entry.raw = data.toString();
        }
        return true;
    }
    return false;
}

bool parseValueLine(QStringView line, RegEntry& entry) {
    qsizetype pos = 0;
    if (line.startsWith(u'@')) {
        entry.name.clear();
        pos = 1;
    } else if (!readQuoted(line, pos, entry.name)) {
        return false;
    }
    while (pos < line.size() && line[pos].isSpace())
        ++pos;
    if (pos >= line.size() || line[pos] != u'=')
        return false;
    return parseData(line.sliced(pos + 1), entry);
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        out += c;
    }
    out += u'"';
    return out;
}

QString hexList(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size() * 3);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i)
            out += u',';
        out += QString::asprintf("%02x", uchar(bytes[i]));
    }
    return out;
}

QString dataText(const RegEntry& entry) {
    if (!entry.raw.isEmpty())
        return entry.raw;
    const RegistryValue& v = entry.value;
    if (v.isNumber())
        return QString::asprintf("dword:%08x", v.number());
    if (v.isBytes())
        return QStringLiteral("hex:") + hexList(v.bytes());
    const QString text = v.text();
    const bool plain = std::none_of(text.begin(), text.end(), [](QChar c) { return c < u' '; });
    if (plain)
        return quoted(text);
    // Line breaks and other control characters cannot stand inside a quoted
    // text: such strings are written as UTF-16 bytes with their ending zero.
    QByteArray bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    bytes.append(2, '\0');
    return QStringLiteral("hex(1):") + hexList(bytes);
}

} // namespace

const RegEntry* RegKey::find(const QString& name) const {
    for (const RegEntry& e : entries) {
        if (sameName(e.name, name))
            return &e;
    }
    return nullptr;
}

void RegKey::set(const QString& name, RegistryValue value, QString raw) {
    for (RegEntry& e : entries) {
        if (sameName(e.name, name)) {
            e.value = std::move(value);
            e.raw = std::move(raw);
            return;
        }
    }
    entries.append({name, std::move(value), std::move(raw)});
}

RegKey* RegDocument::find(const QString& path) {
    for (RegKey& k : keys) {
        if (sameName(k.path, path))
            return &k;
    }
    return nullptr;
}

const RegKey* RegDocument::find(const QString& path) const {
    return const_cast<RegDocument*>(this)->find(path);
}

bool RegDocument::exists(const QString& path) const {
    if (kRoots.contains(path, Qt::CaseInsensitive))
        return true;
    const QString prefix = path + u'\\';
    return std::any_of(keys.begin(), keys.end(), [&](const RegKey& k) {
        return sameName(k.path, path) || k.path.startsWith(prefix, Qt::CaseInsensitive);
    });
}

RegKey& RegDocument::findOrAdd(const QString& path) {
    if (RegKey* k = find(path))
        return *k;
    keys.append({path, {}});
    return keys.last();
}

RegDocument ParseRegText(QByteArrayView bytes) {
    RegDocument doc;
    if (bytes.size() > kRegFileCap)
        return doc;
    const QString text = decodeFile(bytes);
    const QStringList lines = text.split(u'\n');
    RegKey* current = nullptr;
    QString logical;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        // A value may go on over several lines, each but the last ending in "\".
        logical += logical.isEmpty() ? line : line.trimmed();
        if (logical.endsWith(u'\\') && !logical.trimmed().startsWith(u'[') &&
            i + 1 < lines.size()) {
            logical.chop(1);
            continue;
        }
        const QString entryText = logical.trimmed();
        logical.clear();
        if (entryText.isEmpty() || entryText.startsWith(u';'))
            continue;
        if (entryText.startsWith(u'[')) {
            current = nullptr;
            if (!entryText.endsWith(u']') || entryText.startsWith(QStringLiteral("[-")))
                continue;
            const QString path =
                sectionPath(QStringView(entryText).sliced(1, entryText.size() - 2));
            if (!path.isEmpty())
                current = &doc.findOrAdd(path);
            continue;
        }
        RegEntry entry;
        if (!current || !parseValueLine(entryText, entry))
            continue; // the header, deletions and unreadable lines
        current->set(entry.name, entry.value, entry.raw);
    }
    return doc;
}

QByteArray SerializeRegText(const RegDocument& document) {
    QString out = QString::fromLatin1(kRegHeader) + QStringLiteral("\r\n\r\n");
    for (const RegKey& key : document.keys) {
        out += u'[' + key.path + QStringLiteral("]\r\n");
        for (const RegEntry& e : key.entries) {
            out += e.name.isEmpty() ? QStringLiteral("@") : quoted(e.name);
            out += u'=' + dataText(e) + QStringLiteral("\r\n");
        }
        out += QStringLiteral("\r\n");
    }
    return out.toUtf8();
}

} // namespace stoupe
