#pragma once

// Integrity of an uploaded acquisition file: longer than its 1352-byte header,
// "ZAV\0" at offsets 4 and 1348, header length 1352, version 1.1, and the
// 16-bit little-endian word sum of all bytes 0 (an odd last byte counts as a
// word with a zero high byte).
//
//   if (CheckAcquisition(bytes) != AcquisitionCheck::Intact) refuse();

#include <cstdint>
#include <string_view>

namespace stoupe::service {

inline constexpr size_t kZavHeaderLength = 1352;

enum class AcquisitionCheck {
    Intact,
    TooShort,
    WrongSignature,
    WrongSecondSignature,
    WrongHeader, // header length or version
    WrongWordSum,
};

uint16_t WordSum(std::string_view bytes);
AcquisitionCheck CheckAcquisition(std::string_view bytes);

} // namespace stoupe::service
