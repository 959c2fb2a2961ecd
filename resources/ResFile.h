#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QVector>

#include <optional>

namespace stoupe {

// One compiled Win32 resource file (.res): a sequence of entries, each a
// header (data size, header size, type, name, language...) followed by its
// data, every header and every data block starting on a 4-byte boundary.
// The file is checked whole when it is parsed: a file that cannot be walked
// from start to end is refused, so a parsed file never points outside its
// bytes.
class ResFile {
public:
    // A type or a name: an ordinal (16-bit number) or a UTF-16 text.
    struct Id {
        bool isText = false;
        quint16 ordinal = 0;
        QString text;
    };

    struct Entry {
        Id type;
        Id name;
        quint16 language = 0;
        qsizetype dataOffset = 0;
        qsizetype dataSize = 0;
    };

    // Files above this size are refused rather than read.
    static constexpr qsizetype MaxFileSize = 32 * 1024 * 1024;

    static std::optional<ResFile> parse(QByteArray bytes);
    static std::optional<ResFile> load(const QString& path);

    const QVector<Entry>& entries() const { return m_entries; }

    // The data of the first entry of that type and numeric name.
    std::optional<QByteArrayView> find(quint16 type, quint16 name) const;
    QByteArrayView data(const Entry& entry) const;

private:
    QByteArray m_bytes;
    QVector<Entry> m_entries;
    QHash<quint32, qsizetype> m_byOrdinal; // (type << 16 | name) -> first entry
};

} // namespace stoupe
