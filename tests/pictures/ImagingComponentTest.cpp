#include "pictures/ImagingComponent.h"
#include "pictures/ExifOrientation.h"
#include "pictures/PictureFixtures.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace stoupe;
using namespace stoupe::test;

namespace {

const QRgb Red = qRgb(255, 0, 0);

// A sink that copies the decoded JPEG's bytes.
ImagingComponent::DecodedJPEGSink into(QByteArray& bytes) {
    return [&bytes](const char* data, qsizetype size) { bytes = QByteArray(data, size); };
}

class ImagingComponentTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    ImagingComponent m_imaging;
};

// Changes the picture size written in a JPEG's frame header.
QByteArray withFrameSize(QByteArray jpeg, int width, int height) {
    for (qsizetype i = 2; i + 9 < jpeg.size(); ++i) {
        const uchar marker = uchar(jpeg[i + 1]);
        if (uchar(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = char(height >> 8);
            jpeg[i + 6] = char(height & 255);
            jpeg[i + 7] = char(width >> 8);
            jpeg[i + 8] = char(width & 255);
            return jpeg;
        }
    }
    return {};
}

} // namespace

TEST_F(ImagingComponentTest, EveryKindOfJPEGDecodesToRGB) {
    const QImage source = patternPicture(64, 48);
    const struct {
        const char* name;
        JpegKind kind;
        QRgb corner;
    } cases[] = {
        {"baseline 4:2:0", JpegKind::Baseline420, Red},
        {"baseline 4:4:4", JpegKind::Baseline444, Red},
        {"progressive", JpegKind::Progressive, Red},
        {"grayscale", JpegKind::Grayscale, qRgb(76, 76, 76)}, // luma of red
        {"CMYK", JpegKind::Cmyk, Red},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(m_imaging.LoadJPEGBytes(encodeJpeg(source, 95, c.kind)), ImagingStatus::Ok);
        ASSERT_NE(m_imaging.PictureState(), ImagingComponent::NoPicture);
        const QImage held = m_imaging.HeldPicture();
        EXPECT_EQ(held.size(), QSize(64, 48));
        EXPECT_EQ(held.format(), QImage::Format_RGB888);
        EXPECT_TRUE(closeTo(held.pixel(2, 2), c.corner, 12)) << std::hex << held.pixel(2, 2);
    }
}

TEST_F(ImagingComponentTest, LoadsJPEGFilesAndHandsOutTheBytesAsRead) {
    const QByteArray jpeg = encodeJpeg(patternPicture(40, 30), 80);
    writeFile(path("a.jpg"), jpeg);
    QByteArray decoded;
    ASSERT_EQ(m_imaging.LoadJPEGFile(path("a.jpg"), into(decoded)), ImagingStatus::Ok);
    EXPECT_EQ(m_imaging.HeldPicture().size(), QSize(40, 30));
    EXPECT_EQ(decoded, jpeg);
}

TEST_F(ImagingComponentTest, HostileJPEGsLeaveNoPictureAndANonZeroStatus) {
    // Noise, so that most of the file is scan data.
    const QByteArray good = encodeJpeg(noisePicture(64, 64), 90);
    QByteArray undefinedTable = good;
    const qsizetype scan = good.indexOf("\xFF\xDA");
    undefinedTable[scan + 6] = char(0x33); // first component uses Huffman tables 3
    const struct {
        const char* name;
        QByteArray bytes;
        int32_t status;
    } cases[] = {
        {"empty", QByteArray(), ImagingStatus::EmptyData},
        {"not a JPEG", QByteArray("GIF89a not a jpeg at all"), ImagingStatus::NotJPEG},
        {"start marker only", QByteArray("\xFF\xD8", 2), ImagingStatus::NotJPEG},
        {"truncated in the scan", good.left(good.size() / 2), ImagingStatus::CorruptJPEG},
        {"undefined Huffman table", undefinedTable, ImagingStatus::CorruptJPEG},
        {"zero width", withFrameSize(good, 0, 64), ImagingStatus::NotJPEG},
        {"above the pixel limit", withFrameSize(good, 12000, 11000), ImagingStatus::TooLarge},
        {"side above the JPEG limit", withFrameSize(good, 65535, 16), ImagingStatus::NotJPEG},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(m_imaging.LoadJPEGBytes(good), ImagingStatus::Ok); // something held before
        QByteArray decoded = "untouched";
        EXPECT_EQ(m_imaging.LoadJPEGBytes(c.bytes, into(decoded)), c.status);
        EXPECT_EQ(m_imaging.PictureState(), ImagingComponent::NoPicture);
        EXPECT_TRUE(m_imaging.HeldPicture().isNull());
        EXPECT_EQ(decoded, "untouched");
    }
}

TEST_F(ImagingComponentTest, FileLoadsFailCleanly) {
    writeFile(path("empty.jpg"), {});
    EXPECT_EQ(m_imaging.LoadJPEGFile(path("empty.jpg")), ImagingStatus::EmptyData);
    EXPECT_EQ(m_imaging.LoadJPEGFile(path("missing.jpg")), ImagingStatus::CannotReadFile);
    EXPECT_EQ(m_imaging.LoadJPEGFile(m_dir.path()), ImagingStatus::CannotReadFile);
    EXPECT_EQ(m_imaging.LoadBMPFile(path("empty.jpg")), ImagingStatus::EmptyData);
    EXPECT_EQ(m_imaging.LoadBMPFile(path("missing.bmp")), ImagingStatus::CannotReadFile);
    // A named pipe would block the read for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.jpg")).constData(), 0600), 0);
    EXPECT_EQ(m_imaging.LoadJPEGFile(path("pipe.jpg")), ImagingStatus::CannotReadFile);
    EXPECT_EQ(m_imaging.LoadBMPFile(path("pipe.jpg")), ImagingStatus::CannotReadFile);
    EXPECT_EQ(m_imaging.PictureState(), ImagingComponent::NoPicture);
}

TEST_F(ImagingComponentTest, PixelLimitLetsA50MegapixelPhotographThrough) {
    // Headers only (the scan data is that of a small picture): a 50-megapixel
    // frame gets past the size check and fails only in decoding, a
    // 132-megapixel one is refused before anything is allocated.
    const QByteArray small = encodeJpeg(patternPicture(16, 16), 50);
    EXPECT_EQ(m_imaging.LoadJPEGBytes(withFrameSize(small, 8160, 6120)),
              ImagingStatus::CorruptJPEG);
    EXPECT_EQ(m_imaging.LoadJPEGBytes(withFrameSize(small, 12000, 11000)), ImagingStatus::TooLarge);
    m_imaging.setPixelLimit(255);
    EXPECT_EQ(m_imaging.LoadJPEGBytes(small), ImagingStatus::TooLarge);
}

TEST_F(ImagingComponentTest, ExifOrientationTurnsThePictureUpright) {
    // The stored picture is 64 x 32 with its red block in the top-left corner.
    const QByteArray stored = encodeJpeg(patternPicture(64, 32), 95);
    const struct {
        int orientation;
        bool bigEndian;
        QSize size;
        QPoint red; // a point inside the red block once upright
    } cases[] = {
        {6, false, QSize(32, 64), QPoint(28, 4)}, // turned clockwise: block at top right
        {6, true, QSize(32, 64), QPoint(28, 4)},
        {8, false, QSize(32, 64), QPoint(4, 60)}, // turned anticlockwise: bottom left
        {3, true, QSize(64, 32), QPoint(60, 28)}, // half a turn: bottom right
        {2, false, QSize(64, 32), QPoint(60, 4)}, // mirrored: top right
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "orientation " << c.orientation);
        const QByteArray jpeg = withExifOrientation(stored, c.orientation, c.bigEndian);
        ASSERT_EQ(FindExifOrientation(jpeg).value, c.orientation);
        QByteArray decoded;
        ASSERT_EQ(m_imaging.LoadJPEGBytes(jpeg, into(decoded)), ImagingStatus::Ok);
        const QImage held = m_imaging.HeldPicture();
        EXPECT_EQ(held.size(), c.size);
        EXPECT_TRUE(closeTo(held.pixel(c.red), Red, 12)) << std::hex << held.pixel(c.red);

        // The turned bytes say "upright" and load the same way again.
        EXPECT_NE(decoded, jpeg);
        EXPECT_EQ(FindExifOrientation(decoded).value, 1);
        QByteArray again;
        ASSERT_EQ(m_imaging.LoadJPEGBytes(decoded, into(again)), ImagingStatus::Ok);
        EXPECT_EQ(m_imaging.HeldPicture().size(), c.size);
        EXPECT_EQ(again, decoded);
    }
}

TEST_F(ImagingComponentTest, OrientationTurnTrimsPartialEdgeBlocks) {
    // 4:2:0 blocks are 16 x 16; 70 x 40 keeps 64 columns when turned a quarter.
    const QByteArray jpeg = withExifOrientation(encodeJpeg(patternPicture(70, 40), 90), 6, false);
    ASSERT_EQ(m_imaging.LoadJPEGBytes(jpeg), ImagingStatus::Ok);
    EXPECT_EQ(m_imaging.HeldPicture().size(), QSize(32, 70));
}

TEST_F(ImagingComponentTest, JPEGWithoutTurnStaysByteForByte) {
    const QByteArray plain = encodeJpeg(patternPicture(48, 32), 85);
    for (const QByteArray& jpeg : {plain, withExifOrientation(plain, 1, false)}) {
        QByteArray decoded;
        ASSERT_EQ(m_imaging.LoadJPEGBytes(jpeg, into(decoded)), ImagingStatus::Ok);
        EXPECT_EQ(decoded, jpeg);
        EXPECT_EQ(m_imaging.HeldPicture().size(), QSize(48, 32));
    }
}

TEST(ExifOrientation, BrokenSegmentsGiveNoOrientation) {
    const QByteArray good = withExifOrientation(encodeJpeg(patternPicture(16, 16), 50), 6, false);
    ASSERT_EQ(FindExifOrientation(good).value, 6);
    const qsizetype tiff = 2 + 4 + 6; // start marker, APP1 header, "Exif\0\0"
    auto changed = [&](qsizetype at, QByteArray bytes) {
        QByteArray copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    const struct {
        const char* name;
        QByteArray jpeg;
    } cases[] = {
        {"segment length past the end", changed(4, QByteArray("\xFF\xF0", 2))},
        {"directory offset past the segment", changed(tiff + 4, QByteArray("\xF0\0\0\0", 4))},
        {"orientation stored as a long", changed(tiff + 10 + 12 + 2, QByteArray("\x04\0", 2))},
        {"unknown byte order", changed(tiff, "XX")},
        {"value 9", changed(tiff + 10 + 12 + 8, QByteArray("\x09\0", 2))},
        {"cut inside the segment", good.left(20)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindExifOrientation(c.jpeg).value, 0);
    }
}

TEST_F(ImagingComponentTest, HeldPictureStaysValidAfterClearing) {
    ASSERT_EQ(m_imaging.LoadJPEGBytes(encodeJpeg(patternPicture(32, 32), 90)), ImagingStatus::Ok);
    const QImage taken = m_imaging.HeldPicture();
    m_imaging.ClearPicture(0);
    EXPECT_NE(m_imaging.PictureState(), ImagingComponent::NoPicture);
    m_imaging.ClearPicture(1);
    EXPECT_EQ(m_imaging.PictureState(), ImagingComponent::NoPicture);
    ASSERT_FALSE(taken.isNull());
    EXPECT_TRUE(closeTo(taken.pixel(1, 1), Red, 12));
}

TEST_F(ImagingComponentTest, SavingAppendsOrReplacesWholeJPEGs) {
    ASSERT_EQ(m_imaging.LoadJPEGBytes(encodeJpeg(patternPicture(80, 60), 90)), ImagingStatus::Ok);
    const QString out = path("out.jpg");
    ASSERT_EQ(m_imaging.SaveJPEGFile(out, 0), ImagingStatus::Ok);
    const QByteArray alone = readFile(out);
    ImagingComponent reader;
    ASSERT_EQ(reader.LoadJPEGBytes(alone), ImagingStatus::Ok);
    EXPECT_EQ(reader.HeldPicture().size(), QSize(80, 60));

    ASSERT_EQ(m_imaging.SaveJPEGFile(out, 1), ImagingStatus::Ok);
    EXPECT_EQ(readFile(out), alone + alone);

    // Without appending, a longer file's whole content is replaced.
    writeFile(out, QByteArray(alone.size() * 3, 'x'));
    ASSERT_EQ(m_imaging.SaveJPEGFile(out, 0), ImagingStatus::Ok);
    EXPECT_EQ(readFile(out), alone);

    EXPECT_EQ(m_imaging.SaveJPEGFile(path("no/such/folder.jpg"), 0),
              ImagingStatus::CannotWriteFile);
    m_imaging.ClearPicture(1);
    EXPECT_EQ(m_imaging.SaveJPEGFile(path("never.jpg"), 0), ImagingStatus::NothingHeld);
    EXPECT_FALSE(QFileInfo::exists(path("never.jpg")));
}

TEST_F(ImagingComponentTest, CroppedSaveWritesTheClippedRectangleAndItsOffsets) {
    ASSERT_EQ(m_imaging.LoadJPEGBytes(encodeJpeg(patternPicture(80, 60), 95)), ImagingStatus::Ok);
    const struct {
        QRect asked; // left, top, right (exclusive), bottom (exclusive) below
        int32_t status;
        QPoint offset;
        QSize size;
    } cases[] = {
        {QRect(QPoint(10, 5), QPoint(49, 44)), ImagingStatus::Ok, QPoint(10, 5), QSize(40, 40)},
        {QRect(QPoint(-20, -7), QPoint(9, 9)), ImagingStatus::Ok, QPoint(0, 0), QSize(10, 10)},
        {QRect(QPoint(70, 50), QPoint(199, 99)), ImagingStatus::Ok, QPoint(70, 50), QSize(10, 10)},
        {QRect(QPoint(90, 10), QPoint(99, 20)), ImagingStatus::BadRectangle, QPoint(-1, -1), {}},
        {QRect(QPoint(10, 10), QPoint(9, 20)), ImagingStatus::BadRectangle, QPoint(-1, -1), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.asked.x() << "," << c.asked.y());
        int32_t x = -1, y = -1;
        const QString out = path("crop.jpg");
        QFile::remove(out);
        EXPECT_EQ(m_imaging.SaveCroppedJPEGFile(out, c.asked.left(), c.asked.top(),
                                                c.asked.right() + 1, c.asked.bottom() + 1, x, y, 0),
                  c.status);
        EXPECT_EQ(QPoint(x, y), c.offset);
        ImagingComponent reader;
        if (c.status == ImagingStatus::Ok) {
            ASSERT_EQ(reader.LoadJPEGFile(out), ImagingStatus::Ok);
            EXPECT_EQ(reader.HeldPicture().size(), c.size);
        } else {
            EXPECT_FALSE(QFileInfo::exists(out));
        }
    }
}

TEST_F(ImagingComponentTest, LoadsBitmapsThroughTheReader) {
    const QImage source = patternPicture(7, 5);
    writeFile(path("a.bmp"), encodeBmp24(source, false));
    ASSERT_EQ(m_imaging.LoadBMPFile(path("a.bmp")), ImagingStatus::Ok);
    EXPECT_EQ(m_imaging.HeldPicture(), source);

    QByteArray eightBit = encodeBmp24(source, false);
    setLe16(eightBit, BmpBitCount, 8);
    writeFile(path("b.bmp"), eightBit);
    EXPECT_EQ(m_imaging.LoadBMPFile(path("b.bmp")), ImagingStatus::UnsupportedBMP);
    EXPECT_EQ(m_imaging.PictureState(), ImagingComponent::NoPicture);
}
