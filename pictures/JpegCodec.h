#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>

#include "pictures/PictureBuffer.h"

#include <cstdint>

namespace stoupe {

// Decodes a JPEG (baseline, progressive, grayscale, CMYK) into an RGB888
// image. The header is checked against the limits before the picture is
// allocated; the returned value is an ImagingStatus and `out` stays null on
// failure. Warnings of the decoder (such as truncated data) count as failure.
int32_t DecodeJPEG(const QByteArray& jpeg, int64_t pixelLimit, int maxSide, QImage& out);

// The header checks of DecodeJPEG alone (an ImagingStatus), for work that
// must not start on a picture that will be refused.
int32_t CheckJPEGHeader(const QByteArray& jpeg, int64_t pixelLimit, int maxSide);

// The encoder's output, written straight into a buffer of the largest size
// the encoder can need, so that a large JPEG is neither moved while it grows
// nor copied on its way to a file (untouched pages of the buffer cost nothing).
class EncodedJPEG {
public:
    const char* data() const { return reinterpret_cast<const char*>(m_buffer.data()); }
    qsizetype size() const { return static_cast<qsizetype>(m_size); }

private:
    friend int32_t EncodeJPEG(const QImage&, const QRect&, int, EncodedJPEG&);
    LargeBuffer m_buffer;
    unsigned long m_size = 0;
};

// Encodes the area of an RGB888 image as one JPEG (4:2:0, given quality).
// Returns an ImagingStatus.
int32_t EncodeJPEG(const QImage& image, const QRect& area, int quality, EncodedJPEG& out);

} // namespace stoupe
