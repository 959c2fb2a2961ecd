#include "pictures/ImagingComponent.h"

#include "pictures/BmpReader.h"
#include "pictures/ExifOrientation.h"
#include "pictures/JpegCodec.h"
#include "pictures/PictureBuffer.h"

#include <QFile>
#include <QFileInfo>

namespace stoupe {

namespace {

// Only regular files (or links to them) are read: opening a FIFO or reading
// a device could block or never end.
bool isRegularFile(const QString& fileName) {
    return QFileInfo(fileName).isFile();
}

int32_t statusOf(BmpReadResult result) {
    switch (result) {
    case BmpReadResult::Ok:
        return ImagingStatus::Ok;
    case BmpReadResult::NotBMP:
        return ImagingStatus::NotBMP;
    case BmpReadResult::Unsupported:
        return ImagingStatus::UnsupportedBMP;
    case BmpReadResult::Inconsistent:
        return ImagingStatus::CorruptBMP;
    case BmpReadResult::TooLarge:
        return ImagingStatus::TooLarge;
    case BmpReadResult::OutOfMemory:
        return ImagingStatus::OutOfMemory;
    case BmpReadResult::ReadFailed:
        return ImagingStatus::CannotReadFile;
    }
    return ImagingStatus::CannotReadFile;
}

} // namespace

int32_t ImagingComponent::LoadJPEGFile(const QString& fileName,
                                       const DecodedJPEGSink& decodedJPEG) {
    ClearPicture(1);
    QFile file(fileName);
    if (!isRegularFile(fileName) || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return ImagingStatus::CannotReadFile;
    }
    const qint64 size = file.size();
    if (size == 0) {
        return ImagingStatus::EmptyData;
    }
    if (size > MaxJPEGBytes) {
        return ImagingStatus::TooLarge;
    }
    LargeBuffer buffer(static_cast<size_t>(size));
    if (buffer.data() == nullptr) {
        return ImagingStatus::OutOfMemory;
    }
    if (file.read(reinterpret_cast<char*>(buffer.data()), size) != size) {
        return ImagingStatus::CannotReadFile;
    }
    file.close();
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(buffer.data()),
                                                     static_cast<qsizetype>(size));
    return LoadJPEGBytes(bytes, decodedJPEG);
}

int32_t ImagingComponent::LoadJPEGBytes(const QByteArray& bytes,
                                        const DecodedJPEGSink& decodedJPEG) {
    ClearPicture(1);
    const int32_t headerStatus = CheckJPEGHeader(bytes, m_pixelLimit, MaxSide);
    if (headerStatus != ImagingStatus::Ok) {
        return headerStatus; // refused before the turn, which works on the whole picture
    }
    LargeBuffer upright;
    size_t uprightSize = 0;
    const QByteArray jpeg =
        TurnJPEGUpright(bytes, upright, uprightSize)
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(upright.data()),
                                      static_cast<qsizetype>(uprightSize))
            : bytes;
    QImage picture;
    const int32_t status = DecodeJPEG(jpeg, m_pixelLimit, MaxSide, picture);
    if (status != ImagingStatus::Ok) {
        return status;
    }
    m_picture = std::move(picture);
    if (decodedJPEG) {
        decodedJPEG(jpeg.constData(), jpeg.size());
    }
    return ImagingStatus::Ok;
}

int32_t ImagingComponent::LoadBMPFile(const QString& fileName) {
    ClearPicture(1);
    QFile file(fileName);
    if (!isRegularFile(fileName) || !file.open(QIODevice::ReadOnly)) {
        return ImagingStatus::CannotReadFile;
    }
    if (file.size() == 0) {
        return ImagingStatus::EmptyData;
    }
    QImage picture;
    const int32_t status = statusOf(ReadBMP(file, m_pixelLimit, MaxSide, picture));
    if (status == ImagingStatus::Ok) {
        m_picture = std::move(picture);
    }
    return status;
}

int32_t ImagingComponent::SaveJPEGFile(const QString& fileName, int appendFlag) {
    if (m_picture.isNull()) {
        return ImagingStatus::NothingHeld;
    }
    return encodeInto(fileName, m_picture.rect(), appendFlag);
}

int32_t ImagingComponent::SaveCroppedJPEGFile(const QString& fileName, int32_t left, int32_t top,
                                              int32_t right, int32_t bottom, int32_t& xOffset,
                                              int32_t& yOffset, int appendFlag) {
    if (m_picture.isNull()) {
        return ImagingStatus::NothingHeld;
    }
    const int64_t x0 = std::max<int64_t>(left, 0);
    const int64_t y0 = std::max<int64_t>(top, 0);
    const int64_t x1 = std::min<int64_t>(right, m_picture.width());
    const int64_t y1 = std::min<int64_t>(bottom, m_picture.height());
    if (x1 <= x0 || y1 <= y0) {
        return ImagingStatus::BadRectangle;
    }
    const QRect area(QPoint(int(x0), int(y0)), QPoint(int(x1 - 1), int(y1 - 1)));
    const int32_t status = encodeInto(fileName, area, appendFlag);
    if (status == ImagingStatus::Ok) {
        xOffset = area.left();
        yOffset = area.top();
    }
    return status;
}

void ImagingComponent::ClearPicture(int flag) {
    if (flag == 1) {
        m_picture = QImage();
    }
}

int32_t ImagingComponent::encodeInto(const QString& fileName, const QRect& area,
                                     int appendFlag) const {
    EncodedJPEG jpeg;
    const int32_t status = EncodeJPEG(m_picture, area, JPEGQuality, jpeg);
    if (status != ImagingStatus::Ok) {
        return status;
    }
    QFile file(fileName);
    const QIODevice::OpenMode mode = appendFlag == 1 ? QIODevice::WriteOnly | QIODevice::Append
                                                     : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!file.open(mode) || file.write(jpeg.data(), jpeg.size()) != jpeg.size() || !file.flush()) {
        return ImagingStatus::CannotWriteFile;
    }
    file.close();
    return file.error() == QFileDevice::NoError ? ImagingStatus::Ok
                                                : ImagingStatus::CannotWriteFile;
}

} // namespace stoupe
