#include "resources/StringTable.h"

#include <QtEndian>

namespace stoupe::StringTable {

namespace {

quint16 unitAt(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.data() + at);
}

} // namespace

quint16 blockOf(qint64 number) {
    if (number < 0 || number > 0xFFFF)
        return 0;
    return quint16(number / StringsPerBlock + 1);
}

std::optional<QString> text(QByteArrayView block, int slot, qsizetype maxUnits) {
    if (slot < 0 || slot >= StringsPerBlock)
        return std::nullopt;
    qsizetype at = 0;
    qsizetype wantedAt = -1;
    qsizetype wantedLength = 0;
    for (int i = 0; i < StringsPerBlock; ++i) {
        if (block.size() - at < 2)
            return std::nullopt;
        const qsizetype length = unitAt(block, at);
        at += 2;
        if (length * 2 > block.size() - at)
            return std::nullopt;
        if (i == slot) {
            wantedAt = at;
            wantedLength = length;
        }
        at += length * 2;
    }
    QString out;
    const qsizetype units = qMin(wantedLength, qMax<qsizetype>(maxUnits, 0));
    out.reserve(units);
    for (qsizetype i = 0; i < units; ++i)
        out.append(QChar(unitAt(block, wantedAt + 2 * i)));
    return out;
}

} // namespace stoupe::StringTable
