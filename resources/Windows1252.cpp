#include "resources/Windows1252.h"

namespace stoupe {

namespace {

// Bytes 0x80..0x9F. The five bytes the code page leaves undefined map to the
// control characters of the same value, as the platform's own conversion does.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeOne(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return char(unit);
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == unit)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray toWindows1252(QStringView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        out.append(encodeOne(c.unicode()));
    }
    return out;
}

QString fromWindows1252(QByteArrayView bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = uchar(ch);
        out.append(byte >= 0x80 && byte < 0xA0 ? QChar(HighControls[byte - 0x80]) : QChar(byte));
    }
    return out;
}

QString throughWindows1252(QStringView text, qsizetype maxLength) {
    QByteArray bytes = toWindows1252(text);
    if (maxLength >= 0 && bytes.size() > maxLength)
        bytes.truncate(maxLength);
    return fromWindows1252(bytes);
}

} // namespace stoupe
