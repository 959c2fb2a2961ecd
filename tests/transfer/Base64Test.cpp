#include "ReferenceBase64.h"
#include "app/AnsiCodePage.h"
#include "transfer/URLEncode.h"
#include "transfer/clsBase64.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace stoupe;
using stoupe::test::patternBytes;
using stoupe::test::referenceEncode;

TEST(Base64, KnownVectors) {
    const clsBase64 b64;
    const struct {
        QByteArray input;
        QByteArray encoded;
    } cases[] = {
        {QByteArray(), QByteArray()},  {"abc", "YWJj"}, {QByteArray("\xFB\xFF", 2), "_/8$"},
        {QByteArray(1, '\0'), "AA$$"}, {"ab", "YWI$"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(b64.EncodeArr(c.input), c.encoded) << c.input.toHex().constData();
}

TEST(Base64, LineBreaksAfterEveryFullLine) {
    const clsBase64 b64;
    const struct {
        qsizetype bytes;
        QList<int> lineLengths; // characters per line; a CR LF follows every 76
        bool endsWithCrLf;
    } cases[] = {
        {55, {76}, false},         {56, {76}, false},     {57, {76}, false},
        {58, {76, 4}, false},      {113, {76, 76}, true}, {114, {76, 76}, true},
        {115, {76, 76, 4}, false},
    };
    for (const auto& c : cases) {
        const QByteArray out = b64.EncodeArr(patternBytes(c.bytes));
        QList<int> lengths;
        for (const QByteArray& line : out.split('\n'))
            if (!line.isEmpty())
                lengths.append(int(line.endsWith('\r') ? line.size() - 1 : line.size()));
        EXPECT_EQ(lengths, c.lineLengths) << c.bytes << " bytes";
        EXPECT_EQ(out.endsWith("\r\n"), c.endsWithCrLf) << c.bytes << " bytes";
        EXPECT_EQ(out.size(), clsBase64::EncodedLength(c.bytes));
    }
}

TEST(Base64, MatchesReferenceAndRoundTripsForEveryLength) {
    const clsBase64 b64;
    for (qsizetype n = 1; n <= 600; ++n) {
        const QByteArray input = patternBytes(n, unsigned(n));
        const QByteArray encoded = b64.EncodeArr(input);
        ASSERT_EQ(encoded, referenceEncode(input)) << n << " bytes";
        ASSERT_EQ(encoded.size(), clsBase64::EncodedLength(n));
        ASSERT_EQ(b64.DecodeArr(encoded), input) << n << " bytes";
    }
}

TEST(Base64, DecodingIsLenient) {
    const clsBase64 b64;
    const struct {
        QByteArray encoded;
        QByteArray decoded;
    } cases[] = {
        {"YWJj", "abc"},
        {"YW\r\nJj", "abc"},                       // CR LF pairs are dropped
        {"Y$W$J$j", "abc"},                        // so is every "$"
        {"YQ", "a"},                               // two values give one byte
        {"YWI", "ab"},                             // three give two
        {"YWJjZ", "abc"},                          // a single value left over gives none
        {"#WJj", QByteArray("\x01\x62\x63", 3)},   // a foreign character counts as 0
        {"YW\nJj", QByteArray("\x61\x60\x09", 3)}, // a lone LF is a character too
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(b64.DecodeArr(c.encoded), c.decoded) << c.encoded.constData();
}

TEST(Base64, TextGoesThroughWindows1252) {
    const clsBase64 b64;
    EXPECT_EQ(b64.Encode(QStringLiteral("abc")), "YWJj");
    EXPECT_EQ(b64.DecodeArr(b64.Encode(QStringLiteral("\u20ac\u00e9\u4e2d"))), "\x80\xe9?");
    EXPECT_EQ(b64.Decode(b64.Encode(QStringLiteral("caf\u00e9 \u2122"))),
              QStringLiteral("caf\u00e9 \u2122"));
    EXPECT_EQ(toAnsi(QStringLiteral("a\U0001F600b")), "a?b");
    const QByteArray all = [] {
        QByteArray b(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            b[i] = char(i);
        return b;
    }();
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
}

TEST(Base64, Files) {
    QTemporaryDir dir;
    const clsBase64 b64;
    const QString source = dir.filePath("in.bin");
    QFile file(source);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(patternBytes(200));
    file.close();
    EXPECT_EQ(b64.EncodeFromFile(source), referenceEncode(patternBytes(200)));
    EXPECT_EQ(b64.EncodeFromFile(dir.filePath("missing")), QByteArray());

    const QString target = dir.filePath("out.bin");
    b64.DecodeToFile(b64.EncodeArr(patternBytes(300)), target);
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), patternBytes(300));

    try {
        b64.DecodeToFile("YWJj", target);
        FAIL() << "an existing file must not be overwritten";
    } catch (const Base64Error& e) {
        EXPECT_EQ(e.Number, 0x800403E8u);
        EXPECT_EQ(e.Source, QStringLiteral("Base64.DecodeToFile"));
        EXPECT_EQ(e.Description, QStringLiteral("File already exists."));
    }
}

TEST(URLEncode, KeepsTheSafeCharactersAndEncodesTheRest) {
    const struct {
        QString text;
        QString encoded;
    } cases[] = {
        {"a b,c", "a%20b%2cc"},
        {"a@b", "a%40b"},
        {"-_.!*'()$+", "-_.!*'()$+"},
        {"Az09", "Az09"},
        {"\"&=\t", "%22%26%3d%09"},
        {QStringLiteral("\u00e9\u20ac\u4e2d"), "%e9%80%3f"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(URLEncode(c.text), c.encoded) << c.text.toStdString();
}
