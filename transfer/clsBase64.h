#pragma once

// The server's Base64 variant: alphabet A-Z a-z 0-9 "_" "/", padding "$",
// CR LF after every full line of 76 characters (the last, shorter line has
// none). Encoded texts are plain ASCII and are held as QByteArray.
//
//   clsBase64 b64;
//   QByteArray Encode(const QString&)        ANSI bytes of the text, encoded
//   QByteArray EncodeArr(QByteArrayView)     bytes encoded; empty input -> empty
//   QByteArray EncodeFromFile(const QString& path)   whole file encoded; "" on failure
//   QString    Decode(QByteArrayView)        decoded bytes as ANSI text
//   QByteArray DecodeArr(QByteArrayView)     decoded bytes (CR LF and "$" ignored)
//   void       DecodeToFile(QByteArrayView, const QString& path)
//              throws Base64Error (0x800403E8, "Base64.DecodeToFile") when the
//              file exists; other failures throw Base64Error with number 0.
//
// For building large requests without copies:
//   static qsizetype EncodedLength(qsizetype inputBytes)
//   static char* EncodeInto(const uchar* in, qsizetype n, char* out)
//       writes exactly EncodedLength(n) characters, returns out + that length.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <stdexcept>

namespace stoupe {

// A numbered error raised by clsBase64; callers turn it into a result code.
struct Base64Error : std::runtime_error {
    Base64Error(uint32_t number, QString source, QString description);
    uint32_t Number;
    QString Source;
    QString Description;
};

inline constexpr uint32_t kBase64ErrNotDimensioned = 0x80042710u; // "Base64.EncodeArr"
inline constexpr uint32_t kBase64ErrFileExists = 0x800403E8u;     // "Base64.DecodeToFile"

class clsBase64 {
public:
    clsBase64() = default;

    QByteArray Encode(const QString& sInput) const;
    QByteArray EncodeArr(QByteArrayView bytInput) const;
    QByteArray EncodeFromFile(const QString& sFileName) const;
    QString Decode(QByteArrayView sInput) const;
    QByteArray DecodeArr(QByteArrayView sInput) const;
    void DecodeToFile(QByteArrayView sInput, const QString& sFileName) const;

    static constexpr int kLineLength = 76;
    static qsizetype EncodedLength(qsizetype inputBytes);
    static char* EncodeInto(const uchar* in, qsizetype n, char* out);
};

} // namespace stoupe
