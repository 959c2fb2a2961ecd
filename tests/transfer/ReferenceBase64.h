#pragma once

// An independent encoder for checking clsBase64: Qt's standard Base64 with
// the variant's two substitutions, broken into lines afterwards.

#include <QByteArray>

namespace stoupe::test {

inline QByteArray referenceEncode(const QByteArray& bytes) {
    QByteArray plain = bytes.toBase64();
    plain.replace('+', '_').replace('=', '$');
    if (plain.size() <= 76)
        return plain;
    QByteArray out;
    for (qsizetype i = 0; i < plain.size(); i += 76) {
        const QByteArray line = plain.mid(i, 76);
        out += line;
        if (line.size() == 76)
            out += "\r\n";
    }
    return out;
}

inline QByteArray patternBytes(qsizetype n, unsigned seed = 1) {
    QByteArray bytes(n, Qt::Uninitialized);
    unsigned x = seed;
    for (qsizetype i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = char(x >> 16);
    }
    return bytes;
}

} // namespace stoupe::test
