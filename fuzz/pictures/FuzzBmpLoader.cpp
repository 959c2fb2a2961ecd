// Feeds arbitrary bytes to the Windows bitmap reader.
#include "pictures/BmpReader.h"
#include "pictures/ImagingComponent.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    QImage picture;
    const stoupe::BmpReadResult result =
        stoupe::ReadBMP(device, 4'000'000, stoupe::ImagingComponent::MaxSide, picture);
    if ((result == stoupe::BmpReadResult::Ok) == picture.isNull()) {
        __builtin_trap();
    }
    if (!picture.isNull()) {
        // Touch every pixel so that a short read would show.
        unsigned sum = 0;
        for (int y = 0; y < picture.height(); ++y) {
            const uchar* line = picture.constScanLine(y);
            for (int x = 0; x < picture.width() * 3; ++x) {
                sum += line[x];
            }
        }
        if (sum == 0xFFFFFFFFu) {
            __builtin_trap();
        }
    }
    return 0;
}
