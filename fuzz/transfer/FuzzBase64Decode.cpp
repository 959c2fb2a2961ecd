// Any text decoded; any bytes encoded and decoded again give themselves back.
#include "transfer/clsBase64.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const stoupe::clsBase64 b64;
    const QByteArray decoded = b64.DecodeArr(bytes);
    if (decoded.size() > bytes.size())
        std::abort();
    (void)b64.Decode(bytes);
    const QByteArray encoded = b64.EncodeArr(bytes);
    if (encoded.size() != stoupe::clsBase64::EncodedLength(bytes.size()))
        std::abort();
    if (b64.DecodeArr(encoded) != bytes)
        std::abort();
    return 0;
}
