#include "pictures/PictureFile.h"
#include "pictures/ExifOrientation.h"
#include "pictures/PictureFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace stoupe;
using namespace stoupe::test;

namespace {

// Every test gets its own TEMP folder, so that kept JPEGs can be counted.
class PictureFileTest : public ::testing::Test {
protected:
    PictureFileTest() : m_scope(m_temp.path()) {}

    QString path(const QString& name) const { return m_out.filePath(name); }
    QStringList keptFiles() const {
        return QDir(m_temp.path()).entryList({"orv*.jp"}, QDir::Files);
    }
    QString jpegFile(const QByteArray& jpeg, const QString& name = "in.jpg") const {
        writeFile(path(name), jpeg);
        return path(name);
    }

    QTemporaryDir m_temp;
    QTemporaryDir m_out;
    TempFolderScope m_scope;
};

// A JPEG much larger than its re-encoding (noise at quality 100, 4:4:4) and
// one much smaller (quality 5), so that both outcomes of the size comparison
// happen.
QByteArray bulkyJpeg() {
    return encodeJpeg(noisePicture(96, 64), 100, JpegKind::Baseline444);
}
QByteArray tinyJpeg() {
    return encodeJpeg(patternPicture(96, 64), 5);
}

} // namespace

TEST_F(PictureFileTest, StartsEmptyAndNothingHeldWritesNothing) {
    PictureFile picture;
    EXPECT_TRUE(picture.Empty_());
    EXPECT_FALSE(picture.Failed());
    EXPECT_TRUE(picture.Picture().isNull());
    int32_t x = 7, y = 7;
    EXPECT_EQ(picture.WriteJPEG(path("a.jpg"), true, true), PictureWrite::NothingHeld);
    EXPECT_EQ(picture.WriteCroppedJPEG(path("b.jpg"), 0, 0, 5, 5, x, y, false),
              PictureWrite::NothingHeld);
    EXPECT_FALSE(QFileInfo::exists(path("a.jpg")));
    EXPECT_FALSE(QFileInfo::exists(path("b.jpg")));
}

TEST_F(PictureFileTest, KeptBytesArriveByteForByteAndAppendGrowsByTheirLength) {
    const QByteArray jpeg = bulkyJpeg();
    const QByteArray prefix = "ZAV record comes first";
    for (const bool fromFile : {true, false}) {
        SCOPED_TRACE(fromFile ? "ReadJPEG" : "ReadJPEGArray");
        PictureFile picture;
        ASSERT_EQ(fromFile ? picture.ReadJPEG(jpegFile(jpeg)) : picture.ReadJPEGArray(jpeg), 0);
        ASSERT_FALSE(picture.Empty_());
        ASSERT_EQ(keptFiles().size(), 1);
        EXPECT_EQ(readFile(picture.KeptPath()), jpeg);

        const QString out = path("out.zav");
        writeFile(out, prefix);
        ASSERT_EQ(picture.WriteJPEG(out, true, false), PictureWrite::Written);
        EXPECT_EQ(readFile(out), prefix + jpeg);
        ASSERT_EQ(picture.WriteJPEG(out, true, false), PictureWrite::Written);
        EXPECT_EQ(QFileInfo(out).size(), prefix.size() + 2 * jpeg.size());

        // Without appending the whole content is replaced, also when longer.
        ASSERT_EQ(picture.WriteJPEG(out, false, false), PictureWrite::Written);
        EXPECT_EQ(readFile(out), jpeg);
    }
}

TEST_F(PictureFileTest, ReencodingIsUsedOnlyWhenMarkedlySmaller) {
    const struct {
        const char* name;
        QByteArray kept;
        bool reencoded;
    } cases[] = {{"bulky kept JPEG", bulkyJpeg(), true}, {"tiny kept JPEG", tinyJpeg(), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureFile picture;
        ASSERT_EQ(picture.ReadJPEGArray(c.kept), 0);
        ImagingComponent encoder;
        ASSERT_EQ(encoder.LoadJPEGBytes(c.kept), 0);
        ASSERT_EQ(encoder.SaveJPEGFile(path("fresh.jpg"), 0), 0);
        const QByteArray fresh = readFile(path("fresh.jpg"));
        ASSERT_EQ(PictureFile::ReencodingIsWorthIt(c.kept.size(), fresh.size()), c.reencoded);

        ASSERT_EQ(picture.WriteJPEG(path("out.jpg"), false, true), PictureWrite::Written);
        EXPECT_EQ(readFile(path("out.jpg")), c.reencoded ? fresh : c.kept);
        // The temporary re-encoding is gone; only the kept JPEG is left.
        EXPECT_EQ(keptFiles().size(), 1);
    }
}

TEST(PictureFileRule, ReencodingMustBeSmallerByMoreThanTheFactor13) {
    const struct {
        qint64 kept, reencoded;
        bool worth;
    } cases[] = {{130, 100, false},
                 {131, 100, true},
                 {1300, 1000, false},
                 {1300, 999, true},
                 {100, 100, false},
                 {0, 0, false},
                 {13, 9, true},
                 {13, 10, false},
                 {15'000'000, 11'538'461, true},
                 {15'000'000, 11'538'462, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(PictureFile::ReencodingIsWorthIt(c.kept, c.reencoded), c.worth)
            << c.kept << " vs " << c.reencoded;
    }
}

TEST_F(PictureFileTest, CroppedWriteReportsWhereTheStoredPartLies) {
    const struct {
        const char* name;
        QByteArray kept;
        QPoint offset;
        QSize stored;
    } cases[] = {
        // The re-encoded crop is far smaller: it is stored with its offsets.
        {"bulky kept JPEG", bulkyJpeg(), QPoint(16, 8), QSize(48, 40)},
        // The kept JPEG is smaller than any re-encoding: stored whole, offsets 0.
        {"tiny kept JPEG", tinyJpeg(), QPoint(0, 0), QSize(96, 64)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureFile picture;
        ASSERT_EQ(picture.ReadJPEGArray(c.kept), 0);
        int32_t x = -1, y = -1;
        ASSERT_EQ(picture.WriteCroppedJPEG(path("crop.jpg"), 16, 8, 64, 48, x, y, false),
                  PictureWrite::Written);
        EXPECT_EQ(QPoint(x, y), c.offset);
        ImagingComponent reader;
        ASSERT_EQ(reader.LoadJPEGFile(path("crop.jpg")), 0);
        EXPECT_EQ(reader.HeldPicture().size(), c.stored);
    }
}

TEST_F(PictureFileTest, BitmapHasNoKeptJPEGAndIsEncodedStraightIn) {
    const QImage source = patternPicture(40, 30);
    writeFile(path("in.bmp"), encodeBmp24(source, false));
    PictureFile picture;
    ASSERT_EQ(picture.ReadBMP(path("in.bmp")), 0);
    ASSERT_FALSE(picture.Empty_());
    EXPECT_TRUE(keptFiles().isEmpty());
    EXPECT_EQ(picture.Picture(), source);

    ASSERT_EQ(picture.WriteJPEG(path("out.jpg"), false, false), PictureWrite::Written);
    ImagingComponent reader;
    ASSERT_EQ(reader.LoadJPEGFile(path("out.jpg")), 0);
    EXPECT_EQ(reader.HeldPicture().size(), QSize(40, 30));

    int32_t x = -1, y = -1;
    ASSERT_EQ(picture.WriteCroppedJPEG(path("crop.jpg"), 5, 6, 25, 26, x, y, false),
              PictureWrite::Written);
    EXPECT_EQ(QPoint(x, y), QPoint(5, 6));
}

TEST_F(PictureFileTest, FailuresCarryWhereTheyHappened) {
    PictureFile fromBmp;
    writeFile(path("in.bmp"), encodeBmp24(patternPicture(40, 30), true));
    ASSERT_EQ(fromBmp.ReadBMP(path("in.bmp")), 0);
    PictureFile fromJpeg;
    ASSERT_EQ(fromJpeg.ReadJPEGArray(tinyJpeg()), 0);
    const QString unwritable = path("no/such/folder/out.jpg");
    int32_t x = 0, y = 0;

    EXPECT_EQ(fromBmp.WriteJPEG(unwritable, true, false),
              ImagingStatus::CannotWriteFile + PictureWrite::WholeEncodeFailed);
    EXPECT_EQ(fromBmp.WriteCroppedJPEG(path("out.jpg"), 50, 0, 60, 10, x, y, true),
              ImagingStatus::BadRectangle + PictureWrite::CroppedEncodeFailed);
    EXPECT_EQ(fromJpeg.WriteCroppedJPEG(path("out.jpg"), 200, 0, 300, 10, x, y, true),
              ImagingStatus::BadRectangle + PictureWrite::CroppedReencodeFailed);
    EXPECT_EQ(fromJpeg.WriteJPEG(unwritable, true, false),
              PictureWrite::DestinationNotOpened + PictureWrite::CopyKeptFailed);
    EXPECT_EQ(fromJpeg.WriteJPEG(unwritable, true, true), // the kept JPEG wins, then fails
              PictureWrite::DestinationNotOpened + PictureWrite::CopyKeptFailed);

    PictureFile bulky;
    ASSERT_EQ(bulky.ReadJPEGArray(bulkyJpeg()), 0);
    EXPECT_EQ(bulky.WriteJPEG(unwritable, true, true),
              PictureWrite::DestinationNotOpened + PictureWrite::CopyReencodedFailed);
    EXPECT_EQ(keptFiles().size(), 2); // no re-encoding left behind
}

TEST_F(PictureFileTest, ReencodingWithoutATemporaryFileGives15) {
    PictureFile picture;
    ASSERT_EQ(picture.ReadJPEGArray(bulkyJpeg()), 0);
    TempFolderScope missing(m_temp.filePath("missing-folder"));
    EXPECT_EQ(picture.WriteJPEG(path("out.jpg"), false, true), PictureWrite::NoTempName);
    EXPECT_FALSE(QFileInfo::exists(path("out.jpg")));
}

TEST_F(PictureFileTest, KeptJPEGLivesExactlyAsLongAsTheDecodedPicture) {
    auto picture = std::make_unique<PictureFile>();
    ASSERT_EQ(picture->ReadJPEG(jpegFile(tinyJpeg())), 0);
    const QString first = picture->KeptPath();
    ASSERT_TRUE(QFileInfo::exists(first));

    // A second JPEG replaces the first kept file.
    ASSERT_EQ(picture->ReadJPEGArray(bulkyJpeg()), 0);
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_EQ(keptFiles().size(), 1);

    // A failed read leaves no picture and no temporary file.
    writeFile(path("broken.jpg"), tinyJpeg().left(200));
    EXPECT_NE(picture->ReadJPEG(path("broken.jpg")), 0);
    EXPECT_TRUE(picture->Empty_());
    EXPECT_TRUE(keptFiles().isEmpty());
    EXPECT_NE(picture->ReadJPEG(path("missing.jpg")), 0);
    EXPECT_TRUE(keptFiles().isEmpty());

    ASSERT_EQ(picture->ReadJPEGArray(tinyJpeg()), 0);
    picture->Empty_(true);
    EXPECT_TRUE(picture->Empty_());
    EXPECT_TRUE(keptFiles().isEmpty());

    // Reading a bitmap discards the kept JPEG too; destruction deletes it.
    ASSERT_EQ(picture->ReadJPEGArray(tinyJpeg()), 0);
    writeFile(path("in.bmp"), encodeBmp24(patternPicture(8, 8), false));
    ASSERT_EQ(picture->ReadBMP(path("in.bmp")), 0);
    EXPECT_TRUE(keptFiles().isEmpty());
    ASSERT_EQ(picture->ReadJPEGArray(tinyJpeg()), 0);
    ASSERT_EQ(keptFiles().size(), 1);
    picture.reset();
    EXPECT_TRUE(keptFiles().isEmpty());
}

TEST_F(PictureFileTest, TurnedPhotographIsKeptAndWrittenUpright) {
    const QByteArray sideways =
        withExifOrientation(encodeJpeg(patternPicture(64, 32), 90), 6, true);
    PictureFile picture;
    ASSERT_EQ(picture.ReadJPEG(jpegFile(sideways)), 0);
    EXPECT_EQ(picture.Picture().size(), QSize(32, 64));
    ASSERT_EQ(picture.WriteJPEG(path("out.jpg"), false, false), PictureWrite::Written);
    const QByteArray written = readFile(path("out.jpg"));
    EXPECT_EQ(written, readFile(picture.KeptPath()));
    EXPECT_EQ(FindExifOrientation(written).value, 1);

    PictureFile reread;
    ASSERT_EQ(reread.ReadJPEGArray(written), 0);
    EXPECT_EQ(reread.Picture().size(), QSize(32, 64));
    EXPECT_EQ(readFile(reread.KeptPath()), written);
}

TEST_F(PictureFileTest, CopyOpenFileCodes) {
    writeFile(path("src"), "0123456789");
    writeFile(path("empty"), {});
    QFile source(path("src"));
    QFile empty(path("empty"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    ASSERT_TRUE(empty.open(QIODevice::ReadOnly));
    QFile closed(path("src"));

    EXPECT_EQ(PictureFile::CopyOpenFile(nullptr, path("d"), false), PictureWrite::NoSourceFile);
    EXPECT_EQ(PictureFile::CopyOpenFile(&closed, path("d"), false), PictureWrite::NoSourceFile);
    EXPECT_EQ(PictureFile::CopyOpenFile(&empty, path("d"), false), PictureWrite::SourceEmpty);
    EXPECT_EQ(PictureFile::CopyOpenFile(&source, path("x/d"), false),
              PictureWrite::DestinationNotOpened);
    EXPECT_FALSE(QFileInfo::exists(path("d")));

    writeFile(path("d"), "a much longer earlier content");
    ASSERT_EQ(PictureFile::CopyOpenFile(&source, path("d"), false), 0);
    EXPECT_EQ(readFile(path("d")), "0123456789");
    ASSERT_EQ(PictureFile::CopyOpenFile(&source, path("d"), true), 0);
    EXPECT_EQ(readFile(path("d")), "01234567890123456789");
}
