#include "app/AnsiCodePage.h"

#include <array>

namespace stoupe {

namespace {

// Characters of the bytes 0x80 to 0x9F; the unassigned five map to their C1
// control code, as the platform's conversion does.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ansiOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray toAnsi(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character beyond the 16-bit range is one character: one '?'.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        *dst++ = ansiOf(c.unicode());
    }
    out.truncate(dst - out.data());
    return out;
}

QString fromAnsi(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *dst++ = QChar(u >= 0x80 && u < 0xA0 ? kHighTable[u - 0x80] : char16_t(u));
    }
    return out;
}

QString throughAnsi(QStringView text, qsizetype maxLength) {
    QByteArray bytes = toAnsi(text);
    if (maxLength >= 0 && bytes.size() > maxLength)
        bytes.truncate(maxLength);
    return fromAnsi(bytes);
}

} // namespace stoupe
