#include "pictures/BmpReader.h"
#include "pictures/PictureFixtures.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <limits>

using namespace stoupe;
using namespace stoupe::test;

namespace {

BmpReadResult read(QByteArray bytes, QImage& out, int64_t pixelLimit = 120'000'000) {
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    return ReadBMP(device, pixelLimit, 65500, out);
}

} // namespace

TEST(BmpReader, Reads24BitBitmapsInBothRowOrdersWithEveryPadding) {
    // Widths 1 to 4 need 1, 2, 3 and 0 bytes of row padding.
    for (int width = 1; width <= 4; ++width) {
        for (const bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << "width " << width << (topDown ? " top-down" : ""));
            const QImage source = noisePicture(width, 3, uint32_t(width));
            QImage read24;
            ASSERT_EQ(read(encodeBmp24(source, topDown), read24), BmpReadResult::Ok);
            EXPECT_EQ(read24, source);
        }
    }
}

TEST(BmpReader, AcceptsLaterHeaderFormsAndAMissingLastPadding) {
    const QImage source = noisePicture(5, 4);
    QByteArray v5 = encodeBmp24(source, false);
    v5.insert(54, QByteArray(124 - 40, '\0')); // a BITMAPV5HEADER, pixels moved along
    setLe32(v5, BmpInfoSize, 124);
    setLe32(v5, BmpPixelOffset, 14 + 124);
    QImage out;
    ASSERT_EQ(read(v5, out), BmpReadResult::Ok);
    EXPECT_EQ(out, source);

    QByteArray cut = encodeBmp24(source, false);
    cut.chop(1); // 5 * 3 = 15 bytes per row, one byte of padding
    ASSERT_EQ(read(cut, out), BmpReadResult::Ok);
    EXPECT_EQ(out, source);
}

TEST(BmpReader, RefusesOtherFormatsAndHeadersThatLie) {
    const QByteArray good = encodeBmp24(noisePicture(6, 4), false);
    auto with32 = [&](int offset, uint32_t value) {
        QByteArray b = good;
        setLe32(b, offset, value);
        return b;
    };
    auto with16 = [&](int offset, uint16_t value) {
        QByteArray b = good;
        setLe16(b, offset, value);
        return b;
    };
    auto negative = [](int32_t v) { return static_cast<uint32_t>(v); };
    const struct {
        const char* name;
        QByteArray bytes;
        BmpReadResult result;
    } cases[] = {
        {"empty", QByteArray(), BmpReadResult::NotBMP},
        {"headers cut short", good.left(30), BmpReadResult::NotBMP},
        {"no signature", QByteArray("XM") + good.mid(2), BmpReadResult::NotBMP},
        {"8 bits per pixel", with16(BmpBitCount, 8), BmpReadResult::Unsupported},
        {"32 bits per pixel", with16(BmpBitCount, 32), BmpReadResult::Unsupported},
        {"16 bits per pixel", with16(BmpBitCount, 16), BmpReadResult::Unsupported},
        {"run-length compressed", with32(BmpCompression, 1), BmpReadResult::Unsupported},
        {"bit fields", with32(BmpCompression, 3), BmpReadResult::Unsupported},
        {"core header", with32(BmpInfoSize, 12), BmpReadResult::Unsupported},
        {"header past the end", with32(BmpInfoSize, 0x7FFFFFFF), BmpReadResult::Unsupported},
        {"two planes", with16(BmpPlanes, 2), BmpReadResult::Inconsistent},
        {"zero width", with32(BmpWidth, 0), BmpReadResult::Inconsistent},
        {"negative width", with32(BmpWidth, negative(-6)), BmpReadResult::Inconsistent},
        {"zero height", with32(BmpHeight, 0), BmpReadResult::Inconsistent},
        {"most negative height", with32(BmpHeight, 0x80000000u), BmpReadResult::TooLarge},
        {"huge width", with32(BmpWidth, 0x7FFFFFFF), BmpReadResult::TooLarge},
        {"width x height overflows 32 bits",
         [&] {
             QByteArray b = with32(BmpWidth, 65536 + 1);
             setLe32(b, BmpHeight, 65536 + 1);
             return b;
         }(),
         BmpReadResult::TooLarge},
        {"more pixels than the file holds", with32(BmpHeight, 5000), BmpReadResult::Inconsistent},
        {"pixel offset past the end", with32(BmpPixelOffset, 0xFFFFFFF0u),
         BmpReadResult::Inconsistent},
        {"pixel offset inside the headers", with32(BmpPixelOffset, 20),
         BmpReadResult::Inconsistent},
        {"pixels cut short", good.left(good.size() - 24), BmpReadResult::Inconsistent},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QImage out = noisePicture(2, 2);
        EXPECT_EQ(read(c.bytes, out), c.result);
        EXPECT_TRUE(out.isNull());
    }
}

TEST(BmpReader, RefusesPicturesAboveThePixelLimit) {
    QImage out;
    EXPECT_EQ(read(encodeBmp24(noisePicture(10, 10), true), out, 99), BmpReadResult::TooLarge);
    EXPECT_EQ(read(encodeBmp24(noisePicture(10, 10), true), out, 100), BmpReadResult::Ok);
}
