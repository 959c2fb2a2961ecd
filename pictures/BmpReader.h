#pragma once

#include <QIODevice>
#include <QImage>

#include <cstdint>

namespace stoupe {

enum class BmpReadResult {
    Ok,
    NotBMP,       // no "BM" signature or no complete headers
    Unsupported,  // a bitmap other than 24 bits per pixel, uncompressed
    Inconsistent, // dimensions or pixel data that do not fit the file
    TooLarge,     // more pixels than the limit, or a side above the maximum
    OutOfMemory,
    ReadFailed,
};

// Reads a 24-bit uncompressed Windows bitmap (bottom-up or top-down rows)
// from a device into an RGB888 image. Every header value is checked against
// the device's size before anything is allocated; `out` is left null on
// failure.
BmpReadResult ReadBMP(QIODevice& device, int64_t pixelLimit, int maxSide, QImage& out);

} // namespace stoupe
