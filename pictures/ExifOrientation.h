#pragma once

#include "pictures/PictureBuffer.h"

#include <QByteArray>

#include <cstddef>

namespace stoupe {

// Where a JPEG's EXIF orientation tag was found: its value (1 to 8) and the
// offset in the JPEG of the tag's 16-bit value, so that it can be rewritten.
struct ExifOrientationTag {
    int value = 0; // 0: the JPEG carries no valid orientation
    qsizetype valueOffset = -1;
    bool bigEndian = false; // byte order of the value
};

// Reads the orientation tag from the first EXIF (APP1 "Exif") segment found
// among the markers before the first scan. Bounded by the data's size: any
// inconsistent length or offset yields "no orientation".
ExifOrientationTag FindExifOrientation(const QByteArray& jpeg);

// Turns a JPEG whose EXIF orientation is 2 to 8 upright without decoding it
// (lossless transform; partial edge blocks that cannot be moved are trimmed)
// and sets the orientation tag of the result to 1, so that the result is
// never turned again. The result is written into `upright` (its first
// `uprightSize` bytes). Returns false, leaving both empty, when the JPEG needs
// no turning or the transform failed.
bool TurnJPEGUpright(const QByteArray& jpeg, LargeBuffer& upright, size_t& uprightSize);

} // namespace stoupe
