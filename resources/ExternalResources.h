#pragma once

#include "resources/ResFile.h"
#include "resources/VersionInfo.h"

#include <QImage>
#include <QString>
#include <QVector>

#include <optional>

namespace stoupe {

class ImagingComponent;

// One resource library: its texts and pictures by number, and enumeration of
// all its texts or all its pictures in the library's index order (resource 99)
// followed by every other number in ascending order.
//
// Texts arrive as the program's narrow-text interface gives them: through
// Windows-1252, cut to TextByNumberLimit characters when read by number and to
// EnumeratedTextLimit when enumerated.
class ExternalResources {
public:
    static constexpr quint16 StringTableType = 6;
    static constexpr quint16 RawDataType = 10;
    static constexpr quint16 IndexResource = 99;
    static constexpr qsizetype TextByNumberLimit = 254;
    static constexpr qsizetype EnumeratedTextLimit = 199;
    // Positions 0..1000 of the enumeration list; numbers beyond are not delivered.
    static constexpr qsizetype MaxEnumerated = 1001;

    // Enumeration results, returned in the number argument.
    static constexpr qint32 EnumerationEnd = 0;
    static constexpr qint32 NotOpen = -1;
    static constexpr qint32 EnumerationFailed = -2;

    // Releases any library held, then reads the file whole. The imaging
    // component decodes the pictures; it is kept also when the file cannot be
    // read, and may be null for a text library (no picture then decodes).
    // False when the file is missing, damaged anywhere or too large.
    bool ResOpen(const QString& strFile, ImagingComponent* imaging = nullptr);
    // The same over a library already in memory.
    bool openBytes(QByteArray bytes, ImagingComponent* imaging = nullptr);
    void release();

    // The text of that string number; empty when absent or in a damaged block.
    QString LoadText(qint64 luidText) const;
    // The decoded picture of that raw-data resource; null when absent, under
    // 2 bytes, or not decodable.
    QImage LoadPicture(qint64 luidPic) const;

    // Start with luid 0: each call delivers the next text (or picture) and sets
    // luid to its number; luid comes back EnumerationEnd, NotOpen or
    // EnumerationFailed with an empty result. Pictures also end at the first
    // one that does not decode.
    QString EnumerateString(qint32& luidString);
    QImage EnumeratePics(qint32& luidPic);

    // The library's file version (version block 1), when it has one.
    std::optional<FileVersion> Version() const;

private:
    // Fills m_list for a type; false when the type has a resource named by text.
    bool buildList(quint16 type);
    QString textAt(qint64 number, qsizetype limit) const;

    std::optional<ResFile> m_file;
    ImagingComponent* m_imaging = nullptr;
    QVector<qint32> m_list;
    qsizetype m_cursor = 0;
};

} // namespace stoupe
