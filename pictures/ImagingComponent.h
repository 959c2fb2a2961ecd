#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

namespace stoupe {

// Status values of the imaging component: 0 is success, every other value a
// failure. A failed load leaves no picture held; a failed save may leave a
// partly written file only when appending was asked for.
namespace ImagingStatus {
constexpr int32_t Ok = 0;
constexpr int32_t CannotReadFile = 1; // the file could not be opened or read
constexpr int32_t EmptyData = 2;      // zero-length file or byte array
constexpr int32_t NotJPEG = 3;        // no readable JPEG header
constexpr int32_t TooLarge = 4;    // above the pixel limit, a side above MaxSide, or too many bytes
constexpr int32_t CorruptJPEG = 5; // truncated or corrupt JPEG data
constexpr int32_t OutOfMemory = 6; // the picture could not be allocated
constexpr int32_t NotBMP = 7;      // no Windows bitmap signature or headers
constexpr int32_t UnsupportedBMP = 8;   // a bitmap other than 24-bit uncompressed
constexpr int32_t CorruptBMP = 9;       // bitmap headers that do not fit the file
constexpr int32_t NothingHeld = 10;     // a save with no picture held
constexpr int32_t BadRectangle = 11;    // a crop rectangle with no pixel inside the picture
constexpr int32_t EncodeFailed = 12;    // the JPEG encoder failed
constexpr int32_t CannotWriteFile = 13; // the destination could not be opened or written
} // namespace ImagingStatus

// Decodes JPEG and 24-bit Windows bitmap data into one held picture and
// encodes that picture as JPEG, whole or cropped. The held picture is an RGB888
// QImage; HeldPicture hands out an implicitly shared value that stays valid
// after the component is cleared or loads something else.
//
// JPEGs whose EXIF orientation is not 1 are turned upright losslessly before
// decoding; the turned bytes then count as the JPEG that was read (see
// DecodedJPEGSink).
class ImagingComponent {
public:
    // PictureState values.
    static constexpr int32_t NoPicture = 1;
    static constexpr int32_t PictureHeld = 0;

    // Pictures above 120 megapixels are refused before anything is allocated:
    // a 50-megapixel phone photograph loads, a lying header cannot ask for
    // gigabytes. The JPEG format's own side limit applies to bitmaps too, so
    // that every held picture can be saved again.
    static constexpr int64_t DefaultPixelLimit = 120'000'000;
    static constexpr int MaxSide = 65500;
    static constexpr qint64 MaxJPEGBytes = qint64(256) << 20;
    // Encoding: quality 90 with 4:2:0 chroma subsampling.
    static constexpr int JPEGQuality = 90;

    void setPixelLimit(int64_t pixels) { m_pixelLimit = pixels; }
    int64_t pixelLimit() const { return m_pixelLimit; }

    // Receives, during a successful JPEG load, the bytes of the JPEG the held
    // picture was decoded from: the turned bytes when the JPEG had to be
    // turned upright, else the bytes as they were read. They are valid only
    // during the call, so that no copy of them outlives the load.
    using DecodedJPEGSink = std::function<void(const char* data, qsizetype size)>;

    // Each load first clears the held picture.
    int32_t LoadJPEGFile(const QString& fileName, const DecodedJPEGSink& decodedJPEG = {});
    int32_t LoadJPEGBytes(const QByteArray& bytes, const DecodedJPEGSink& decodedJPEG = {});
    int32_t LoadBMPFile(const QString& fileName);

    // appendFlag 1 adds the JPEG at the end of the file; 0 replaces the
    // file's whole content.
    int32_t SaveJPEGFile(const QString& fileName, int appendFlag);
    // Writes the part of the picture inside [left, right) x [top, bottom),
    // clipped to the picture, and returns in xOffset/yOffset the position of
    // the written part's top-left pixel in the held picture. The rectangle is
    // not widened to the encoder's block grid.
    int32_t SaveCroppedJPEGFile(const QString& fileName, int32_t left, int32_t top, int32_t right,
                                int32_t bottom, int32_t& xOffset, int32_t& yOffset, int appendFlag);

    // The null image when no picture is held.
    QImage HeldPicture() const { return m_picture; }
    int32_t PictureState() const { return m_picture.isNull() ? NoPicture : PictureHeld; }
    // With 1 no picture is held afterwards; 0 leaves the picture as it is.
    void ClearPicture(int flag);

private:
    int32_t encodeInto(const QString& fileName, const QRect& area, int appendFlag) const;

    QImage m_picture;
    int64_t m_pixelLimit = DefaultPixelLimit;
};

} // namespace stoupe
