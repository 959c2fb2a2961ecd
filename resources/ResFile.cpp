#include "resources/ResFile.h"

#include <QFile>
#include <QtEndian>

namespace stoupe {

namespace {

// Data version, memory flags, language, version and characteristics.
constexpr qsizetype FixedTailSize = 16;
// Smallest possible header: both sizes, an ordinal type, an ordinal name and the tail.
constexpr qsizetype MinHeaderSize = 8 + 4 + 4 + FixedTailSize;

constexpr qsizetype align4(qsizetype n) {
    return (n + 3) & ~qsizetype(3);
}

quint32 readU32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 readU16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Reads a type or name field at `at`, which must end before `end`; returns
// the position after it, aligned to 4 bytes, or -1 when it does not fit.
qsizetype readId(const QByteArray& b, qsizetype at, qsizetype end, ResFile::Id& id) {
    if (end - at < 4)
        return -1;
    if (readU16(b, at) == 0xFFFF) {
        id.isText = false;
        id.ordinal = readU16(b, at + 2);
        return at + 4;
    }
    id.isText = true;
    QString text;
    for (qsizetype p = at; end - p >= 2; p += 2) {
        const quint16 unit = readU16(b, p);
        if (unit == 0) {
            id.text = text;
            return align4(p + 2);
        }
        text.append(QChar(unit));
    }
    return -1;
}

} // namespace

std::optional<ResFile> ResFile::parse(QByteArray bytes) {
    ResFile file;
    file.m_bytes = std::move(bytes);
    const QByteArray& b = file.m_bytes;
    const qsizetype size = b.size();
    if (size > MaxFileSize)
        return std::nullopt;

    qsizetype offset = 0;
    while (offset < size) {
        if (size - offset < 8)
            return std::nullopt;
        const quint32 dataSize = readU32(b, offset);
        const quint32 headerSize = readU32(b, offset + 4);
        if (headerSize < MinHeaderSize || headerSize % 4 != 0)
            return std::nullopt;
        if (headerSize > quint64(size - offset))
            return std::nullopt;
        const qsizetype headerEnd = offset + qsizetype(headerSize);
        if (dataSize > quint64(size - headerEnd))
            return std::nullopt;

        Entry entry;
        qsizetype at = readId(b, offset + 8, headerEnd, entry.type);
        if (at < 0)
            return std::nullopt;
        at = readId(b, at, headerEnd, entry.name);
        if (at < 0 || headerEnd - at < FixedTailSize)
            return std::nullopt;
        entry.language = readU16(b, at + 6);
        entry.dataOffset = headerEnd;
        entry.dataSize = qsizetype(dataSize);

        // A 32-bit resource file opens with an empty entry of type 0 and name 0.
        if (offset == 0) {
            if (entry.type.isText || entry.type.ordinal != 0 || entry.name.isText ||
                entry.name.ordinal != 0 || dataSize != 0)
                return std::nullopt;
        } else {
            if (!entry.type.isText && !entry.name.isText) {
                const quint32 key = quint32(entry.type.ordinal) << 16 | entry.name.ordinal;
                if (!file.m_byOrdinal.contains(key))
                    file.m_byOrdinal.insert(key, file.m_entries.size());
            }
            file.m_entries.append(std::move(entry));
        }
        // The last entry's data may lack its closing padding.
        offset = align4(headerEnd + qsizetype(dataSize));
    }
    if (size == 0)
        return std::nullopt;
    return file;
}

std::optional<ResFile> ResFile::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (f.size() > MaxFileSize)
        return std::nullopt;
    QByteArray bytes = f.read(MaxFileSize + 1);
    if (bytes.size() != f.size())
        return std::nullopt;
    return parse(std::move(bytes));
}

std::optional<QByteArrayView> ResFile::find(quint16 type, quint16 name) const {
    const auto it = m_byOrdinal.constFind(quint32(type) << 16 | name);
    if (it == m_byOrdinal.constEnd())
        return std::nullopt;
    return data(m_entries[*it]);
}

QByteArrayView ResFile::data(const Entry& entry) const {
    return QByteArrayView(m_bytes.constData() + entry.dataOffset, entry.dataSize);
}

} // namespace stoupe
