// Feeds arbitrary bytes to the resource-library reader as a whole library:
// opening, reading by number, both enumerations and the version block.
#include "pictures/ImagingComponent.h"
#include "resources/ExternalResources.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    stoupe::ImagingComponent imaging;
    // Resource pictures are small; a lying JPEG header must not cost seconds.
    imaging.setPixelLimit(1 << 20);
    stoupe::ExternalResources res;
    if (!res.openBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), &imaging))
        return 0;
    for (const qint64 n : {0, 1, 15, 16, 99, 1568, 40000, 65535, 65536, -1})
        (void)res.LoadText(n), (void)res.LoadPicture(n);
    qint32 luid = 0;
    do {
        (void)res.EnumerateString(luid);
    } while (luid > 0);
    luid = 0;
    do {
        (void)res.EnumeratePics(luid);
    } while (luid > 0);
    (void)res.Version();
    return 0;
}
