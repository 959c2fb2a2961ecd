#pragma once

#include "pictures/ImagingComponent.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>

namespace stoupe {

// Result codes of WriteJPEG and WriteCroppedJPEG, and of CopyOpenFile.
namespace PictureWrite {
constexpr int32_t Written = 0;
constexpr int32_t NoTempName = 15;          // no temporary file for the re-encoding
constexpr int32_t NothingHeld = 16;         // no picture is held; no file touched
constexpr int32_t ReencodedEmpty = 17;      // the re-encoded temporary file is empty
constexpr int32_t ErrorAfterCopy = 18;      // the re-encoded file could not be closed after copying
constexpr int32_t ReencodedUnreadable = 19; // the re-encoded temporary file could not be opened
constexpr int32_t NothingWritten = 20;
// Added to a component status or copy code to tell where it failed.
constexpr int32_t CroppedReencodeFailed = 32;
constexpr int32_t WholeReencodeFailed = 64;
constexpr int32_t CopyReencodedFailed = 128;
constexpr int32_t CopyKeptFailed = 256;
constexpr int32_t CroppedEncodeFailed = 512;
constexpr int32_t WholeEncodeFailed = 1024;
// Copy codes.
constexpr int32_t NoSourceFile = 21;
constexpr int32_t SourceEmpty = 22;
constexpr int32_t DestinationNotOpened = 23;
constexpr int32_t DestinationNotClosed = 24;
constexpr int32_t WriteFailed = 25;
constexpr int32_t ReadFailed = 26;
} // namespace PictureWrite

// One photograph of the acquisition. When the picture came from JPEG data,
// those bytes (turned upright, if they had to be) are kept unchanged in a
// temporary file (the kept JPEG), so that writing can pass them on instead of
// re-encoding: a JPEG is re-encoded only when that makes it markedly smaller.
class PictureFile {
public:
    PictureFile() = default;
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    bool Empty_() const;
    // True clears the picture and discards the kept JPEG.
    void Empty_(bool bEmpty);

    // Each read empties the object first and returns the imaging component's
    // status; callers test Empty_() afterwards.
    int32_t ReadBMP(const QString& fileName);
    int32_t ReadJPEG(const QString& fileName);
    int32_t ReadJPEGArray(const QByteArray& byteJPEG);

    // bAppend adds the JPEG at the end of the file; without it the file's
    // whole content is replaced.
    int32_t WriteJPEG(const QString& fileName, bool bAppend, bool bMayRecodeJPEG);
    // Right and Bottom are exclusive. xOffset/yOffset receive the position in
    // the picture of the stored part's top-left pixel (0, 0 when the kept JPEG
    // was stored whole).
    int32_t WriteCroppedJPEG(const QString& fileName, int32_t Left, int32_t Top, int32_t Right,
                             int32_t Bottom, int32_t& xOffset, int32_t& yOffset, bool bAppend);

    QImage Picture() const { return m_imaging.HeldPicture(); }
    // The imaging component is part of this object and cannot fail to exist.
    bool Failed() const { return false; }

    // Path of the kept JPEG; empty when there is none.
    QString KeptPath() const { return m_keptPath; }

    // Copies the whole of an open source file into the destination; returns a
    // copy code or 0.
    static int32_t CopyOpenFile(QFile* source, const QString& destination, bool bAppend);
    // A re-encoding replaces the kept JPEG only when it is smaller by more than
    // the factor 1.3.
    static bool ReencodingIsWorthIt(qint64 keptLength, qint64 reencodedLength);

private:
    struct Rectangle {
        int32_t left = 0, top = 0, right = 0, bottom = 0;
    };
    int32_t writePicture(const QString& destination, bool bAppend, bool mayRecode,
                         const Rectangle& rectangle, int32_t& xOffset, int32_t& yOffset,
                         bool cropped);
    int32_t reencodeAndCompare(const QString& destination, bool bAppend, const Rectangle& rectangle,
                               int32_t& xOffset, int32_t& yOffset, bool cropped, bool& useKept);
    void keepJPEGBytes(const char* data, qsizetype size);
    void discardKeptJPEG();

    ImagingComponent m_imaging;
    std::unique_ptr<QFile> m_kept; // open for reading while the kept JPEG exists
    QString m_keptPath;
};

} // namespace stoupe
