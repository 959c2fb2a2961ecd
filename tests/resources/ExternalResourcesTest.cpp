#include "resources/ExternalResources.h"
#include "pictures/ImagingComponent.h"
#include "resources/VersionInfo.h"

#include "TestLibraries.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace stoupe;

namespace {

using Delivered = std::vector<std::pair<qint32, QString>>;

// Runs a text enumeration to its end; the last pair holds the final number.
Delivered enumerateTexts(ExternalResources& res) {
    Delivered out;
    qint32 luid = 0;
    for (int guard = 0; guard < 5000; ++guard) {
        QString text = res.EnumerateString(luid);
        out.emplace_back(luid, text);
        if (luid <= 0)
            break;
    }
    return out;
}

std::vector<std::pair<qint32, QSize>> enumeratePictures(ExternalResources& res) {
    std::vector<std::pair<qint32, QSize>> out;
    qint32 luid = 0;
    for (int guard = 0; guard < 5000; ++guard) {
        const QImage picture = res.EnumeratePics(luid);
        out.emplace_back(luid, picture.size());
        if (luid <= 0)
            break;
    }
    return out;
}

TEST(ExternalResources, EnumeratesTheIndexFirstThenEveryOtherTextInAscendingOrder) {
    ExternalResources res;
    ASSERT_TRUE(res.ResOpen(testLibrary("Texts")));
    const QString long199 = QString(QStringLiteral("0123456789")).repeated(30).left(199);
    const Delivered expected = {
        {12, "Twelve"},
        {10, "Ten"},
        {11, "Eleven"},
        {12, "Twelve"}, // the index's own duplicate stays
        {13, "Thirteen"},
        {20, long199},
        {21, QString::fromUtf8("café € ?!")},
        {40000, "Forty thousand"},
        {40002, "Forty thousand two"},
        {0, ""},
    };
    EXPECT_EQ(enumerateTexts(res), expected);
    // A new enumeration starts over.
    EXPECT_EQ(enumerateTexts(res), expected);
}

TEST(ExternalResources, ReadsTextsByNumber) {
    ExternalResources res;
    ASSERT_TRUE(res.ResOpen(testLibrary("Texts")));
    const struct {
        qint64 number;
        QString text;
    } cases[] = {
        {10, "Ten"},
        {40002, "Forty thousand two"},
        {1570, "In block 99"}, // block 99 is only hidden from enumeration
        {20, QString(QStringLiteral("0123456789")).repeated(30).left(254)},
        {21, QString::fromUtf8("café € ?!")},
        {14, ""},
        {99, ""},
        {-1, ""},
        {65536 + 10, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(res.LoadText(c.number), c.text) << c.number;
}

TEST(ExternalResources, Block99IsEnumeratedOnlyThroughTheIndex) {
    ExternalResources plain;
    ASSERT_TRUE(plain.ResOpen(testLibrary("Block99")));
    EXPECT_EQ(enumerateTexts(plain), (Delivered{{0, ""}}));

    // This index is ten bytes long: its trailing two bytes are no entry.
    ExternalResources indexed;
    ASSERT_TRUE(indexed.ResOpen(testLibrary("Block99Indexed")));
    EXPECT_EQ(
        enumerateTexts(indexed),
        (Delivered{{1583, "Last of block 99"}, {1568, "First of block 99"}, {5, "Five"}, {0, ""}}));
}

TEST(ExternalResources, EnumerationListStopsAt1001Numbers) {
    ExternalResources res;
    ASSERT_TRUE(res.ResOpen(testLibrary("Many")));
    const Delivered got = enumerateTexts(res);
    ASSERT_EQ(got.size(), 1002u);
    EXPECT_EQ(got.front(), (std::pair<qint32, QString>{1100, "Text 1100"}));
    EXPECT_EQ(got[1000], (std::pair<qint32, QString>{100, "Text 100"}));
    EXPECT_EQ(got.back().first, 0);
}

TEST(ExternalResources, PicturesFollowTheIndexAndEndAtTheFirstThatDoesNotDecode) {
    ImagingComponent imaging;
    ExternalResources res;
    ASSERT_TRUE(res.ResOpen(testLibrary("Pictures"), &imaging));
    const std::vector<std::pair<qint32, QSize>> expected = {
        {8, QSize(8, 8)}, {6, QSize(2, 5)}, {5, QSize(4, 3)}, {0, QSize(0, 0)}};
    EXPECT_EQ(enumeratePictures(res), expected);

    const QImage red = res.LoadPicture(5);
    ASSERT_EQ(red.size(), QSize(4, 3));
    const QColor pixel = red.pixelColor(1, 1);
    EXPECT_GT(pixel.red(), 240);
    EXPECT_LT(pixel.green(), 15);
    EXPECT_TRUE(res.LoadPicture(7).isNull()); // not JPEG
    EXPECT_TRUE(res.LoadPicture(9).isNull()); // one byte
    EXPECT_TRUE(res.LoadPicture(4).isNull()); // absent
    EXPECT_TRUE(res.LoadPicture(0x10005).isNull());
}

TEST(ExternalResources, PicturesNeedAnImagingComponent) {
    ExternalResources res;
    ASSERT_TRUE(res.ResOpen(testLibrary("Pictures")));
    EXPECT_TRUE(res.LoadPicture(5).isNull());
    qint32 luid = 0;
    EXPECT_TRUE(res.EnumeratePics(luid).isNull());
    EXPECT_EQ(luid, ExternalResources::EnumerationEnd);
}

TEST(ExternalResources, ATextNamedResourceFailsTheEnumerationOfItsTypeOnly) {
    ImagingComponent imaging;
    ExternalResources res;
    ASSERT_TRUE(res.ResOpen(testLibrary("NamedPicture"), &imaging));
    qint32 luid = 0;
    EXPECT_TRUE(res.EnumeratePics(luid).isNull());
    EXPECT_EQ(luid, ExternalResources::EnumerationFailed);
    EXPECT_EQ(res.LoadPicture(5).size(), QSize(4, 3));
    EXPECT_EQ(enumerateTexts(res), (Delivered{{10, "Ten"}, {0, ""}}));
}

TEST(ExternalResources, ALibraryThatDidNotOpenReportsMinusOne) {
    ExternalResources res;
    EXPECT_FALSE(res.ResOpen(testLibrary("NoSuchLibrary")));
    qint32 luid = 0;
    EXPECT_TRUE(res.EnumerateString(luid).isEmpty());
    EXPECT_EQ(luid, ExternalResources::NotOpen);
    luid = 0;
    EXPECT_TRUE(res.EnumeratePics(luid).isNull());
    EXPECT_EQ(luid, ExternalResources::NotOpen);
    EXPECT_EQ(res.LoadText(10), "");

    // Opening another file releases the library held before.
    ASSERT_TRUE(res.ResOpen(testLibrary("Texts")));
    EXPECT_FALSE(res.ResOpen(testLibrary("NoSuchLibrary")));
    EXPECT_EQ(res.LoadText(10), "");
}

TEST(ExternalResources, ReadsTheFileVersion) {
    const auto version = readFileVersion(testLibrary("Texts"));
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->FileVerMajor(), 1);
    EXPECT_EQ(version->FileVerMinor(), 2);
    EXPECT_EQ(version->FileVerRevision(), 3 * 256 + 4);
    EXPECT_EQ(version->toText(), "1.2.772");
    EXPECT_FALSE(readFileVersion(testLibrary("Pictures")).has_value());
    EXPECT_FALSE(readFileVersion(testLibrary("NoSuchLibrary")).has_value());
}

} // namespace
