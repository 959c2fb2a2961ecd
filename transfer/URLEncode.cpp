#include "transfer/URLEncode.h"

#include "app/AnsiCodePage.h"

namespace stoupe {

namespace {

bool keptAsIs(unsigned char c) {
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return true;
    switch (c) {
    case '$':
    case '-':
    case '_':
    case '.':
    case '+':
    case '!':
    case '*':
    case '\'':
    case '(':
    case ')':
        return true;
    default:
        return false;
    }
}

} // namespace

QString URLEncode(const QString& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    const QByteArray ansi = toAnsi(text);
    QString out;
    out.reserve(ansi.size() * 3);
    for (char ch : ansi) {
        const auto c = static_cast<unsigned char>(ch);
        if (keptAsIs(c)) {
            out += QChar(c);
        } else {
            out += QChar('%');
            out += QChar(kHex[c >> 4]);
            out += QChar(kHex[c & 15]);
        }
    }
    return out;
}

} // namespace stoupe
