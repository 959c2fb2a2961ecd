#include "pictures/ExifOrientation.h"

#include <turbojpeg.h>

#include <cstdint>
#include <cstring>
#include <memory>

namespace stoupe {

namespace {

constexpr int MarkerSOS = 0xDA;
constexpr int MarkerEOI = 0xD9;
constexpr int MarkerAPP1 = 0xE1;
constexpr uint16_t TagOrientation = 0x0112;
constexpr uint16_t TypeShort = 3;

struct Bytes {
    const unsigned char* data;
    qsizetype size;

    bool has(qsizetype offset, qsizetype length) const {
        return offset >= 0 && length >= 0 && offset <= size && length <= size - offset;
    }
    unsigned byteAt(qsizetype offset) const { return data[offset]; }
};

// Reads the TIFF structure of one EXIF segment (`tiff` is its start after
// "Exif\0\0") and finds the orientation entry of the first image directory.
ExifOrientationTag orientationInTiff(const Bytes& jpeg, qsizetype tiff, qsizetype tiffLength) {
    ExifOrientationTag none;
    if (tiffLength < 8 || !jpeg.has(tiff, tiffLength)) {
        return none;
    }
    bool bigEndian;
    if (jpeg.byteAt(tiff) == 'I' && jpeg.byteAt(tiff + 1) == 'I') {
        bigEndian = false;
    } else if (jpeg.byteAt(tiff) == 'M' && jpeg.byteAt(tiff + 1) == 'M') {
        bigEndian = true;
    } else {
        return none;
    }
    auto u16 = [&](qsizetype at) -> uint32_t {
        const uint32_t a = jpeg.byteAt(tiff + at), b = jpeg.byteAt(tiff + at + 1);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    auto u32 = [&](qsizetype at) -> uint32_t {
        const uint32_t hi = u16(at), lo = u16(at + 2);
        return bigEndian ? (hi << 16 | lo) : (lo << 16 | hi);
    };
    if (u16(2) != 42) {
        return none;
    }
    const qsizetype directory = u32(4);
    if (directory < 8 || directory > tiffLength - 2) {
        return none;
    }
    const qsizetype entries = u16(directory);
    for (qsizetype i = 0; i < entries; ++i) {
        const qsizetype entry = directory + 2 + i * 12;
        if (entry > tiffLength - 12) {
            return none;
        }
        if (u16(entry) != TagOrientation) {
            continue;
        }
        if (u16(entry + 2) != TypeShort || u32(entry + 4) != 1) {
            return none;
        }
        const int value = static_cast<int>(u16(entry + 8));
        if (value < 1 || value > 8) {
            return none;
        }
        return ExifOrientationTag{value, tiff + entry + 8, bigEndian};
    }
    return none;
}

struct TjHandleDeleter {
    void operator()(void* handle) const { tjDestroy(handle); }
};

} // namespace

ExifOrientationTag FindExifOrientation(const QByteArray& jpegBytes) {
    const Bytes jpeg{reinterpret_cast<const unsigned char*>(jpegBytes.constData()),
                     jpegBytes.size()};
    if (!jpeg.has(0, 2) || jpeg.byteAt(0) != 0xFF || jpeg.byteAt(1) != 0xD8) {
        return {};
    }
    qsizetype at = 2;
    while (jpeg.has(at, 4)) {
        if (jpeg.byteAt(at) != 0xFF) {
            return {};
        }
        const int marker = static_cast<int>(jpeg.byteAt(at + 1));
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == MarkerSOS || marker == MarkerEOI) {
            return {};
        }
        const qsizetype length = jpeg.byteAt(at + 2) << 8 | jpeg.byteAt(at + 3);
        if (length < 2 || !jpeg.has(at + 2, length)) {
            return {};
        }
        const qsizetype payload = at + 4;
        const qsizetype payloadLength = length - 2;
        if (marker == MarkerAPP1 && payloadLength >= 6 &&
            std::memcmp(jpeg.data + payload, "Exif\0\0", 6) == 0) {
            return orientationInTiff(jpeg, payload + 6, payloadLength - 6);
        }
        at += 2 + length;
    }
    return {};
}

bool TurnJPEGUpright(const QByteArray& jpeg, LargeBuffer& upright, size_t& uprightSize) {
    upright = LargeBuffer();
    uprightSize = 0;
    const ExifOrientationTag tag = FindExifOrientation(jpeg);
    if (tag.value < 2) {
        return false;
    }
    static constexpr int operations[9] = {TJXOP_NONE,   TJXOP_NONE,       TJXOP_HFLIP,
                                          TJXOP_ROT180, TJXOP_VFLIP,      TJXOP_TRANSPOSE,
                                          TJXOP_ROT90,  TJXOP_TRANSVERSE, TJXOP_ROT270};
    std::unique_ptr<void, TjHandleDeleter> handle(tjInitTransform());
    if (!handle) {
        return false;
    }
    const auto* input = reinterpret_cast<const unsigned char*>(jpeg.constData());
    const auto inputSize = static_cast<unsigned long>(jpeg.size());
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.get(), input, inputSize, &width, &height, &subsampling,
                            &colorspace) != 0) {
        return false;
    }
    // Written into a buffer of the largest size any layout of the turned
    // picture can need, so that the encoder never moves it while it grows.
    const unsigned long capacity = tjBufSize(width + 16, height + 16, TJSAMP_444);
    if (capacity == static_cast<unsigned long>(-1)) {
        return false;
    }
    LargeBuffer output(capacity);
    unsigned char* destination = output.data();
    unsigned long outputSize = capacity;
    if (destination == nullptr) {
        return false;
    }
    tjtransform transform{};
    transform.op = operations[tag.value];
    transform.options = TJXOPT_TRIM;
    if (tjTransform(handle.get(), input, inputSize, 1, &destination, &outputSize, &transform,
                    TJFLAG_NOREALLOC | TJFLAG_LIMITSCANS | TJFLAG_STOPONWARNING) != 0 ||
        destination != output.data() || outputSize == 0 || outputSize > capacity) {
        return false;
    }

    // The markers were copied as they were, the orientation tag with them.
    const QByteArray result = QByteArray::fromRawData(reinterpret_cast<const char*>(destination),
                                                      static_cast<qsizetype>(outputSize));
    const ExifOrientationTag copied = FindExifOrientation(result);
    if (copied.value != 0) {
        destination[copied.valueOffset] = copied.bigEndian ? 0 : 1;
        destination[copied.valueOffset + 1] = copied.bigEndian ? 1 : 0;
    }
    upright = std::move(output);
    uprightSize = outputSize;
    return true;
}

} // namespace stoupe
