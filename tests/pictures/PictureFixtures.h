#pragma once

// Builds the pictures the imaging tests load: JPEGs of every kind encoded
// with TurboJPEG, EXIF segments and Windows bitmaps, all made in memory.

#include "support/TempFolderScope.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

namespace stoupe::test {

// An RGB888 picture with a smooth pattern and a red block in its top-left
// corner (a quarter of each side), so that turns and crops can be told apart.
QImage patternPicture(int width, int height);
// A picture of random noise: compresses badly at high quality.
QImage noisePicture(int width, int height, uint32_t seed = 1);

enum class JpegKind { Baseline420, Baseline444, Progressive, Grayscale, Cmyk };
QByteArray encodeJpeg(const QImage& picture, int quality, JpegKind kind = JpegKind::Baseline420);

// The JPEG with an APP1 EXIF segment holding the orientation inserted after
// its start marker.
QByteArray withExifOrientation(const QByteArray& jpeg, int orientation, bool bigEndian);

// A Windows bitmap of the picture; the fields can be changed afterwards with
// the setters below to make headers that lie.
QByteArray encodeBmp24(const QImage& picture, bool topDown);
void setLe32(QByteArray& bytes, int offset, uint32_t value);
void setLe16(QByteArray& bytes, int offset, uint16_t value);

// Offsets of BMP header fields.
constexpr int BmpPixelOffset = 10;
constexpr int BmpInfoSize = 14;
constexpr int BmpWidth = 18;
constexpr int BmpHeight = 22;
constexpr int BmpPlanes = 26;
constexpr int BmpBitCount = 28;
constexpr int BmpCompression = 30;

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// True when two pixels differ by at most `tolerance` in every channel.
bool closeTo(QRgb a, QRgb b, int tolerance);

} // namespace stoupe::test
