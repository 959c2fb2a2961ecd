#include "transfer/clsBase64.h"

#include "app/AnsiCodePage.h"
#include "app/HugePages.h"

#include <QFile>
#include <array>
#include <cstring>
#include <new>

namespace stoupe {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_/";
constexpr char kPad = '$';
constexpr int kGroupsPerLine = clsBase64::kLineLength / 4; // 19
constexpr int kBytesPerLine = kGroupsPerLine * 3;          // 57

// Two output characters for every 12-bit value, so that three input bytes
// take two lookups.
struct PairTable {
    std::array<char, 4096 * 2> chars{};
    constexpr PairTable() {
        for (int v = 0; v < 4096; ++v) {
            chars[2 * v] = kAlphabet[v >> 6];
            chars[2 * v + 1] = kAlphabet[v & 63];
        }
    }
};
constexpr PairTable kPairs;

struct DecodeTable {
    std::array<uint8_t, 256> value{};
    constexpr DecodeTable() {
        for (int i = 0; i < 64; ++i)
            value[static_cast<unsigned char>(kAlphabet[i])] = static_cast<uint8_t>(i);
    }
};
constexpr DecodeTable kDecode;

inline void encodeGroup(const uchar* in, char* out) {
    const uint32_t v = (uint32_t(in[0]) << 16) | (uint32_t(in[1]) << 8) | in[2];
    std::memcpy(out, &kPairs.chars[2 * (v >> 12)], 2);
    std::memcpy(out + 2, &kPairs.chars[2 * (v & 0xFFF)], 2);
}

// Encodes n bytes without line breaks, padding the last group; returns the end.
char* encodePlain(const uchar* in, qsizetype n, char* out) {
    qsizetype i = 0;
    for (; i + 3 <= n; i += 3, out += 4)
        encodeGroup(in + i, out);
    const qsizetype rest = n - i;
    if (rest == 1) {
        out[0] = kAlphabet[in[i] >> 2];
        out[1] = kAlphabet[(in[i] & 3) << 4];
        out[2] = kPad;
        out[3] = kPad;
        out += 4;
    } else if (rest == 2) {
        out[0] = kAlphabet[in[i] >> 2];
        out[1] = kAlphabet[((in[i] & 3) << 4) | (in[i + 1] >> 4)];
        out[2] = kAlphabet[(in[i + 1] & 15) << 2];
        out[3] = kPad;
        out += 4;
    }
    return out;
}

} // namespace

Base64Error::Base64Error(uint32_t number, QString source, QString description)
    : std::runtime_error(description.toStdString()), Number(number), Source(std::move(source)),
      Description(std::move(description)) {}

qsizetype clsBase64::EncodedLength(qsizetype inputBytes) {
    if (inputBytes <= 0)
        return 0;
    const qsizetype chars = (inputBytes + 2) / 3 * 4;
    if (chars <= kLineLength)
        return chars;
    return chars + 2 * (chars / kLineLength);
}

char* clsBase64::EncodeInto(const uchar* in, qsizetype n, char* out) {
    if (n <= 0)
        return out;
    const qsizetype chars = (n + 2) / 3 * 4;
    if (chars <= kLineLength)
        return encodePlain(in, n, out);
    // Whole lines of 57 bytes: 76 characters and CR LF each.
    const qsizetype lines = n / kBytesPerLine;
    for (qsizetype line = 0; line < lines; ++line) {
        for (int g = 0; g < kGroupsPerLine; ++g)
            encodeGroup(in + 3 * g, out + 4 * g);
        out[kLineLength] = '\r';
        out[kLineLength + 1] = '\n';
        in += kBytesPerLine;
        out += kLineLength + 2;
    }
    // The tail is shorter than a line of input; with 55 or 56 bytes it still
    // fills 76 characters and so ends in CR LF too.
    const qsizetype rest = n - lines * kBytesPerLine;
    char* end = encodePlain(in, rest, out);
    if (end - out == kLineLength) {
        *end++ = '\r';
        *end++ = '\n';
    }
    return end;
}

QByteArray clsBase64::EncodeArr(QByteArrayView bytInput) const {
    try {
        if (bytInput.isEmpty())
            throw Base64Error(kBase64ErrNotDimensioned, QStringLiteral("Base64.EncodeArr"),
                              QStringLiteral("Input array is not dimensioned."));
        QByteArray out(EncodedLength(bytInput.size()), Qt::Uninitialized);
        preferHugePages(out.data(), out.size());
        EncodeInto(reinterpret_cast<const uchar*>(bytInput.data()), bytInput.size(), out.data());
        return out;
    } catch (const Base64Error&) {
        return QByteArray();
    } catch (const std::bad_alloc&) {
        return QByteArray();
    }
}

QByteArray clsBase64::Encode(const QString& sInput) const {
    return EncodeArr(toAnsi(sInput));
}

QByteArray clsBase64::EncodeFromFile(const QString& sFileName) const {
    try {
        QFile file(sFileName);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        const QByteArray content = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return QByteArray();
        return EncodeArr(content);
    } catch (const std::bad_alloc&) {
        return QByteArray();
    }
}

QByteArray clsBase64::DecodeArr(QByteArrayView sInput) const {
    const auto* in = reinterpret_cast<const uchar*>(sInput.data());
    const qsizetype n = sInput.size();
    QByteArray out(n / 4 * 3 + 3, Qt::Uninitialized);
    auto* dst = reinterpret_cast<uchar*>(out.data());
    uint32_t acc = 0;
    int count = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const uchar c = in[i];
        if (c == '\r' && i + 1 < n && in[i + 1] == '\n') {
            ++i;
            continue;
        }
        if (c == kPad)
            continue;
        acc = (acc << 6) | kDecode.value[c];
        if (++count == 4) {
            *dst++ = uchar(acc >> 16);
            *dst++ = uchar(acc >> 8);
            *dst++ = uchar(acc);
            acc = 0;
            count = 0;
        }
    }
    if (count == 2) {
        *dst++ = uchar(acc >> 4);
    } else if (count == 3) {
        *dst++ = uchar(acc >> 10);
        *dst++ = uchar(acc >> 2);
    }
    out.truncate(reinterpret_cast<char*>(dst) - out.data());
    return out;
}

QString clsBase64::Decode(QByteArrayView sInput) const {
    return fromAnsi(DecodeArr(sInput));
}

void clsBase64::DecodeToFile(QByteArrayView sInput, const QString& sFileName) const {
    static const QString source = QStringLiteral("Base64.DecodeToFile");
    if (QFile::exists(sFileName))
        throw Base64Error(kBase64ErrFileExists, source, QStringLiteral("File already exists."));
    QFile file(sFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw Base64Error(0, source, file.errorString());
    const QByteArray bytes = DecodeArr(sInput);
    if (file.write(bytes) != bytes.size())
        throw Base64Error(0, source, file.errorString());
    file.close();
}

} // namespace stoupe
