#include "resources/VersionInfo.h"

#include "resources/ResFile.h"

#include <QtEndian>

namespace stoupe {

namespace {

constexpr quint16 VersionType = 16;
constexpr quint16 VersionName = 1;
constexpr quint32 FixedInfoSignature = 0xFEEF04BD;
constexpr qsizetype FixedInfoSize = 52;
constexpr char16_t Key[] = u"VS_VERSION_INFO";

quint16 u16(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.data() + at);
}

quint32 u32(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.data() + at);
}

} // namespace

QString FileVersion::toText() const {
    return QStringLiteral("%1.%2.%3")
        .arg(FileVerMajor())
        .arg(FileVerMinor())
        .arg(FileVerRevision());
}

std::optional<FileVersion> parseVersionBlock(QByteArrayView block) {
    // wLength, wValueLength, wType, the key with its terminating zero, padding
    // to 4 bytes, then the fixed information.
    if (block.size() < 6)
        return std::nullopt;
    const qsizetype length = qMin<qsizetype>(u16(block, 0), block.size());
    const qsizetype valueLength = u16(block, 2);
    qsizetype at = 6;
    for (const char16_t unit : Key) { // includes the terminating zero
        if (length - at < 2 || u16(block, at) != unit)
            return std::nullopt;
        at += 2;
    }
    at = (at + 3) & ~qsizetype(3);
    if (valueLength < FixedInfoSize || length - at < FixedInfoSize)
        return std::nullopt;
    if (u32(block, at) != FixedInfoSignature)
        return std::nullopt;
    const quint32 high = u32(block, at + 8);
    const quint32 low = u32(block, at + 12);
    FileVersion version;
    version.parts[0] = quint16(high >> 16);
    version.parts[1] = quint16(high & 0xFFFF);
    version.parts[2] = quint16(low >> 16);
    version.parts[3] = quint16(low & 0xFFFF);
    return version;
}

std::optional<FileVersion> versionOf(const ResFile& file) {
    const auto block = file.find(VersionType, VersionName);
    if (!block)
        return std::nullopt;
    return parseVersionBlock(*block);
}

std::optional<FileVersion> readFileVersion(const QString& path) {
    const auto file = ResFile::load(path);
    if (!file)
        return std::nullopt;
    return versionOf(*file);
}

} // namespace stoupe
