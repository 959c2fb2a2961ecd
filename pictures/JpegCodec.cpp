#include "pictures/JpegCodec.h"

#include "pictures/ImagingComponent.h"
#include "pictures/PictureBuffer.h"

#include <turbojpeg.h>

#include <memory>

namespace stoupe {

namespace {

struct TjHandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using TjHandle = std::unique_ptr<void, TjHandleDeleter>;

// TJFLAG_LIMITSCANS stops progressive JPEGs with absurd numbers of scans,
// which otherwise take minutes to decode.
constexpr int DecodeFlags = TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;

const unsigned char* bytesOf(const QByteArray& data) {
    return reinterpret_cast<const unsigned char*>(data.constData());
}

// CMYK JPEGs hold inverted ink values (Adobe's convention): 255 is no ink.
int32_t decodeCMYK(tjhandle handle, const QByteArray& jpeg, QImage& image) {
    const int width = image.width(), height = image.height();
    const qsizetype cmykStride = qsizetype(width) * 4;
    LargeBuffer cmyk(size_t(cmykStride) * size_t(height));
    if (cmyk.data() == nullptr) {
        return ImagingStatus::OutOfMemory;
    }
    if (tjDecompress2(handle, bytesOf(jpeg), static_cast<unsigned long>(jpeg.size()), cmyk.data(),
                      width, static_cast<int>(cmykStride), height, TJPF_CMYK, DecodeFlags) != 0) {
        return ImagingStatus::CorruptJPEG;
    }
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = cmyk.data() + y * cmykStride;
        unsigned char* out = image.scanLine(y);
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            const unsigned k = in[3];
            out[0] = static_cast<unsigned char>(in[0] * k / 255);
            out[1] = static_cast<unsigned char>(in[1] * k / 255);
            out[2] = static_cast<unsigned char>(in[2] * k / 255);
        }
    }
    return ImagingStatus::Ok;
}

struct JPEGHeader {
    int width = 0, height = 0, colorspace = 0;
};

int32_t readHeader(tjhandle handle, const QByteArray& jpeg, int64_t pixelLimit, int maxSide,
                   JPEGHeader& header) {
    if (jpeg.isEmpty()) {
        return ImagingStatus::EmptyData;
    }
    if (jpeg.size() > ImagingComponent::MaxJPEGBytes) {
        return ImagingStatus::TooLarge;
    }
    int subsampling = 0;
    if (tjDecompressHeader3(handle, bytesOf(jpeg), static_cast<unsigned long>(jpeg.size()),
                            &header.width, &header.height, &subsampling, &header.colorspace) != 0 ||
        header.width <= 0 || header.height <= 0) {
        return ImagingStatus::NotJPEG;
    }
    if (header.width > maxSide || header.height > maxSide ||
        int64_t(header.width) * header.height > pixelLimit) {
        return ImagingStatus::TooLarge;
    }
    return ImagingStatus::Ok;
}

} // namespace

int32_t CheckJPEGHeader(const QByteArray& jpeg, int64_t pixelLimit, int maxSide) {
    TjHandle handle(tjInitDecompress());
    if (!handle) {
        return ImagingStatus::OutOfMemory;
    }
    JPEGHeader header;
    return readHeader(handle.get(), jpeg, pixelLimit, maxSide, header);
}

int32_t DecodeJPEG(const QByteArray& jpeg, int64_t pixelLimit, int maxSide, QImage& out) {
    out = QImage();
    TjHandle handle(tjInitDecompress());
    if (!handle) {
        return ImagingStatus::OutOfMemory;
    }
    JPEGHeader header;
    const int32_t headerStatus = readHeader(handle.get(), jpeg, pixelLimit, maxSide, header);
    if (headerStatus != ImagingStatus::Ok) {
        return headerStatus;
    }
    const int width = header.width, height = header.height, colorspace = header.colorspace;
    QImage image = AllocateRGB888(width, height);
    if (image.isNull()) {
        return ImagingStatus::OutOfMemory;
    }
    if (colorspace == TJCS_CMYK || colorspace == TJCS_YCCK) {
        const int32_t status = decodeCMYK(handle.get(), jpeg, image);
        if (status != ImagingStatus::Ok) {
            return status;
        }
    } else if (tjDecompress2(handle.get(), bytesOf(jpeg), static_cast<unsigned long>(jpeg.size()),
                             image.bits(), width, static_cast<int>(image.bytesPerLine()), height,
                             TJPF_RGB, DecodeFlags) != 0) {
        return ImagingStatus::CorruptJPEG;
    }
    out = std::move(image);
    return ImagingStatus::Ok;
}

int32_t EncodeJPEG(const QImage& image, const QRect& area, int quality, EncodedJPEG& out) {
    if (image.format() != QImage::Format_RGB888 || area.isEmpty() || !image.rect().contains(area)) {
        return ImagingStatus::EncodeFailed;
    }
    TjHandle handle(tjInitCompress());
    if (!handle) {
        return ImagingStatus::OutOfMemory;
    }
    const unsigned long capacity = tjBufSize(area.width(), area.height(), TJSAMP_420);
    if (capacity == static_cast<unsigned long>(-1)) {
        return ImagingStatus::EncodeFailed;
    }
    out.m_buffer = LargeBuffer(capacity);
    unsigned char* destination = out.m_buffer.data();
    if (destination == nullptr) {
        return ImagingStatus::OutOfMemory;
    }
    out.m_size = capacity;
    const unsigned char* first =
        image.constScanLine(area.top()) + qsizetype(area.left()) * 3; // no detach
    const int rc = tjCompress2(handle.get(), first, area.width(),
                               static_cast<int>(image.bytesPerLine()), area.height(), TJPF_RGB,
                               &destination, &out.m_size, TJSAMP_420, quality, TJFLAG_NOREALLOC);
    if (rc != 0 || out.m_size == 0 || destination != out.m_buffer.data()) {
        out.m_size = 0;
        return ImagingStatus::EncodeFailed;
    }
    return ImagingStatus::Ok;
}

} // namespace stoupe
