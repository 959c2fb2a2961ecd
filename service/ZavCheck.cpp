#include "service/ZavCheck.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace stoupe::service {

namespace {

uint16_t ReadWord(std::string_view bytes, size_t offset) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) |
                                 static_cast<uint8_t>(bytes[offset + 1]) << 8);
}

bool HasSignature(std::string_view bytes, size_t offset) {
    return bytes.compare(offset, 4, std::string_view("ZAV\0", 4)) == 0;
}

} // namespace

static_assert(std::endian::native == std::endian::little, "WordSum reads words in host order");

uint16_t WordSum(std::string_view bytes) {
    // Eight bytes hold four words; two of them sit in the two 32-bit halves of
    // (v & mask), the other two in those of (v >> 16 & mask). A half takes up
    // to 65536 words of at most 65535 before it could overflow, so the halves
    // are emptied into the total after every 65536 steps.
    constexpr uint64_t kMask = 0x0000FFFF0000FFFFull;
    constexpr size_t kStepsPerBlock = 65536;
    uint64_t total = 0;
    size_t i = 0;
    const size_t whole = bytes.size() & ~size_t{7};
    while (i < whole) {
        const size_t blockEnd = std::min(whole, i + 8 * kStepsPerBlock);
        uint64_t even = 0;
        uint64_t odd = 0;
        for (; i < blockEnd; i += 8) {
            uint64_t v;
            std::memcpy(&v, bytes.data() + i, 8);
            even += v & kMask;
            odd += (v >> 16) & kMask;
        }
        total += (even & 0xFFFFFFFFu) + (even >> 32) + (odd & 0xFFFFFFFFu) + (odd >> 32);
    }
    for (; i + 1 < bytes.size(); i += 2)
        total += ReadWord(bytes, i);
    if (i < bytes.size())
        total += static_cast<uint8_t>(bytes[i]);
    return static_cast<uint16_t>(total);
}

AcquisitionCheck CheckAcquisition(std::string_view bytes) {
    if (bytes.size() <= kZavHeaderLength)
        return AcquisitionCheck::TooShort;
    if (!HasSignature(bytes, 4))
        return AcquisitionCheck::WrongSignature;
    if (!HasSignature(bytes, 1348))
        return AcquisitionCheck::WrongSecondSignature;
    if (ReadWord(bytes, 0) != kZavHeaderLength || ReadWord(bytes, 8) != 1 ||
        ReadWord(bytes, 10) != 1)
        return AcquisitionCheck::WrongHeader;
    if (WordSum(bytes) != 0)
        return AcquisitionCheck::WrongWordSum;
    return AcquisitionCheck::Intact;
}

} // namespace stoupe::service
