#include "pictures/BmpReader.h"

#include "pictures/PictureBuffer.h"

#include <QtEndian>

#include <cstring>

namespace stoupe {

namespace {

constexpr qint64 FileHeaderSize = 14;
constexpr qint64 InfoHeaderMinSize = 40; // BITMAPINFOHEADER and its later extensions
constexpr uint32_t CompressionNone = 0;  // BI_RGB

uint32_t le32(const unsigned char* p) {
    return qFromLittleEndian<uint32_t>(p);
}
uint16_t le16(const unsigned char* p) {
    return qFromLittleEndian<uint16_t>(p);
}

} // namespace

BmpReadResult ReadBMP(QIODevice& device, int64_t pixelLimit, int maxSide, QImage& out) {
    out = QImage();
    const qint64 deviceSize = device.size();
    unsigned char header[FileHeaderSize + InfoHeaderMinSize];
    if (deviceSize < qint64(sizeof header) || !device.seek(0) ||
        device.read(reinterpret_cast<char*>(header), sizeof header) != qint64(sizeof header)) {
        return BmpReadResult::NotBMP;
    }
    if (header[0] != 'B' || header[1] != 'M') {
        return BmpReadResult::NotBMP;
    }
    // The file size in the header is often wrong in files from real writers;
    // the device's own size is what counts.
    const qint64 pixelOffset = le32(header + 10);
    const unsigned char* info = header + FileHeaderSize;
    const qint64 infoSize = le32(info);
    const int64_t width = static_cast<int32_t>(le32(info + 4));
    const int64_t signedHeight = static_cast<int32_t>(le32(info + 8));
    const uint16_t planes = le16(info + 12);
    const uint16_t bitCount = le16(info + 14);
    const uint32_t compression = le32(info + 16);

    if (infoSize < InfoHeaderMinSize || infoSize > deviceSize - FileHeaderSize) {
        return BmpReadResult::Unsupported; // an older header form, or one past the end
    }
    if (bitCount != 24 || compression != CompressionNone) {
        return BmpReadResult::Unsupported;
    }
    if (planes != 1 || width <= 0 || signedHeight == 0) {
        return BmpReadResult::Inconsistent;
    }
    const bool topDown = signedHeight < 0;
    const int64_t height = topDown ? -signedHeight : signedHeight;
    if (width > maxSide || height > maxSide || width * height > pixelLimit) {
        return BmpReadResult::TooLarge;
    }
    // Sides are at most maxSide here, so none of this can overflow.
    const int64_t rowBytes = width * 3;
    const int64_t stride = (rowBytes + 3) & ~int64_t(3);
    if (pixelOffset < FileHeaderSize + infoSize || pixelOffset > deviceSize) {
        return BmpReadResult::Inconsistent;
    }
    // The padding after the last row may be missing; the pixels may not.
    if ((height - 1) * stride + rowBytes > deviceSize - pixelOffset) {
        return BmpReadResult::Inconsistent;
    }

    QImage image = AllocateRGB888(static_cast<int>(width), static_cast<int>(height));
    if (image.isNull()) {
        return BmpReadResult::OutOfMemory;
    }
    if (!device.seek(pixelOffset)) {
        return BmpReadResult::ReadFailed;
    }
    const int padding = static_cast<int>(stride - rowBytes);
    for (int64_t fileRow = 0; fileRow < height; ++fileRow) {
        const int64_t y = topDown ? fileRow : height - 1 - fileRow;
        auto* line = image.scanLine(static_cast<int>(y));
        if (device.read(reinterpret_cast<char*>(line), rowBytes) != rowBytes) {
            return BmpReadResult::ReadFailed;
        }
        for (int64_t x = 0; x < rowBytes; x += 3) {
            std::swap(line[x], line[x + 2]); // BGR in the file
        }
        if (fileRow + 1 < height && padding > 0) {
            char skip[3];
            if (device.read(skip, padding) != padding) {
                return BmpReadResult::ReadFailed;
            }
        }
    }
    out = std::move(image);
    return BmpReadResult::Ok;
}

} // namespace stoupe
