// Feeds arbitrary bytes to the JPEG loader (EXIF orientation parsing, the
// lossless turn, header checks and decoding) and encodes whatever loads.
#include "pictures/ImagingComponent.h"
#include "pictures/JpegCodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A small pixel limit keeps each run fast; the limit check itself is
    // exercised all the same.
    stoupe::ImagingComponent imaging;
    imaging.setPixelLimit(4'000'000);
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    qsizetype decodedSize = 0;
    const int32_t status = imaging.LoadJPEGBytes(bytes, [&](const char* decoded, qsizetype n) {
        decodedSize = n;
        volatile char first = decoded[0], last = decoded[n - 1]; // must be readable
        (void)first;
        (void)last;
    });
    if (status == stoupe::ImagingStatus::Ok) {
        const QImage picture = imaging.HeldPicture();
        if (picture.isNull() || decodedSize == 0) {
            __builtin_trap();
        }
        if (int64_t(picture.width()) * picture.height() <= 65536) {
            stoupe::EncodedJPEG jpeg;
            stoupe::EncodeJPEG(picture, picture.rect(), stoupe::ImagingComponent::JPEGQuality,
                               jpeg);
        }
    } else if (imaging.PictureState() != stoupe::ImagingComponent::NoPicture) {
        __builtin_trap();
    }
    return 0;
}
