#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace stoupe {

// The file version of a library's version block (resource type 16, name 1):
// four 16-bit parts, as in 1.2.3.4.
struct FileVersion {
    quint16 parts[4] = {0, 0, 0, 0};

    quint16 FileVerMajor() const { return parts[0]; }
    quint16 FileVerMinor() const { return parts[1]; }
    // The third part × 256 plus the fourth: the revision the update check reports.
    qint32 FileVerRevision() const { return qint32(parts[2]) * 256 + parts[3]; }

    // "major.minor.revision"
    QString toText() const;
};

// Reads the fixed file information of a version block; nullopt when the
// block is not one or is damaged.
std::optional<FileVersion> parseVersionBlock(QByteArrayView block);

class ResFile;

// The version block of a parsed resource file, when it has a sound one.
std::optional<FileVersion> versionOf(const ResFile& file);

// The version of the resource library at path; nullopt when the file cannot
// be read or has no sound version block.
std::optional<FileVersion> readFileVersion(const QString& path);

} // namespace stoupe
