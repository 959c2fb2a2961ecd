#include "pictures/PictureFixtures.h"

#include <QFile>
#include <QRandomGenerator>

#include <turbojpeg.h>

#include <cstdlib>
#include <stdexcept>

namespace stoupe::test {

QImage patternPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const bool corner = x < width / 4 && y < height / 4;
            line[x * 3 + 0] = corner ? 255 : 0;
            line[x * 3 + 1] = corner ? 0 : uchar(64 + 128 * y / height);
            line[x * 3 + 2] = corner ? 0 : uchar(64 + 128 * x / width);
        }
    }
    return picture;
}

QImage noisePicture(int width, int height, uint32_t seed) {
    QImage picture(width, height, QImage::Format_RGB888);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < width * 3; ++x) {
            line[x] = uchar(random.bounded(256));
        }
    }
    return picture;
}

QByteArray encodeJpeg(const QImage& picture, int quality, JpegKind kind) {
    tjhandle handle = tjInitCompress();
    unsigned char* out = nullptr;
    unsigned long size = 0;
    int rc;
    const int w = picture.width(), h = picture.height();
    if (kind == JpegKind::Cmyk) {
        // Inverted CMYK as Adobe writes it: C, M, Y = R, G, B and K = 255
        // (no black ink) show the same colours.
        QByteArray cmyk(qsizetype(w) * h * 4, Qt::Uninitialized);
        for (int y = 0; y < h; ++y) {
            const uchar* in = picture.constScanLine(y);
            for (int x = 0; x < w; ++x) {
                char* p = cmyk.data() + (qsizetype(y) * w + x) * 4;
                p[0] = char(in[x * 3]);
                p[1] = char(in[x * 3 + 1]);
                p[2] = char(in[x * 3 + 2]);
                p[3] = char(255);
            }
        }
        rc = tjCompress2(handle, reinterpret_cast<const uchar*>(cmyk.constData()), w, w * 4, h,
                         TJPF_CMYK, &out, &size, TJSAMP_444, quality, 0);
    } else {
        const int subsampling = kind == JpegKind::Baseline444 ? TJSAMP_444
                                : kind == JpegKind::Grayscale ? TJSAMP_GRAY
                                                              : TJSAMP_420;
        const int flags = kind == JpegKind::Progressive ? TJFLAG_PROGRESSIVE : 0;
        rc = tjCompress2(handle, picture.constBits(), w, int(picture.bytesPerLine()), h, TJPF_RGB,
                         &out, &size, subsampling, quality, flags);
    }
    tjDestroy(handle);
    if (rc != 0) {
        tjFree(out);
        throw std::runtime_error("test JPEG could not be encoded");
    }
    QByteArray jpeg(reinterpret_cast<const char*>(out), qsizetype(size));
    tjFree(out);
    return jpeg;
}

QByteArray withExifOrientation(const QByteArray& jpeg, int orientation, bool bigEndian) {
    QByteArray tiff;
    auto put16 = [&](uint16_t v) {
        if (bigEndian) {
            tiff.append(char(v >> 8)).append(char(v & 255));
        } else {
            tiff.append(char(v & 255)).append(char(v >> 8));
        }
    };
    auto put32 = [&](uint32_t v) {
        if (bigEndian) {
            put16(uint16_t(v >> 16));
            put16(uint16_t(v));
        } else {
            put16(uint16_t(v));
            put16(uint16_t(v >> 16));
        }
    };
    tiff.append(bigEndian ? "MM" : "II");
    put16(42);
    put32(8);
    put16(2);      // two entries: a harmless one, then the orientation
    put16(0x010F); // Make, ASCII, 4 bytes inline
    put16(2);
    put32(4);
    tiff.append("Tst", 4);
    put16(0x0112);
    put16(3);
    put32(1);
    put16(uint16_t(orientation));
    put16(0);
    put32(0);
    QByteArray segment("\xFF\xE1", 2);
    const int length = 2 + 6 + int(tiff.size());
    segment.append(char(length >> 8)).append(char(length & 255));
    segment.append("Exif\0\0", 6).append(tiff);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

void setLe32(QByteArray& bytes, int offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = char((value >> (8 * i)) & 255);
    }
}

void setLe16(QByteArray& bytes, int offset, uint16_t value) {
    bytes[offset] = char(value & 255);
    bytes[offset + 1] = char(value >> 8);
}

QByteArray encodeBmp24(const QImage& picture, bool topDown) {
    const int w = picture.width(), h = picture.height();
    const int stride = (w * 3 + 3) & ~3;
    QByteArray bmp(54 + stride * h, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    setLe32(bmp, 2, uint32_t(bmp.size()));
    setLe32(bmp, BmpPixelOffset, 54);
    setLe32(bmp, BmpInfoSize, 40);
    setLe32(bmp, BmpWidth, uint32_t(w));
    setLe32(bmp, BmpHeight, uint32_t(topDown ? -h : h));
    setLe16(bmp, BmpPlanes, 1);
    setLe16(bmp, BmpBitCount, 24);
    setLe32(bmp, 34, uint32_t(stride * h));
    for (int y = 0; y < h; ++y) {
        const int fileRow = topDown ? y : h - 1 - y;
        const uchar* in = picture.constScanLine(y);
        char* out = bmp.data() + 54 + fileRow * stride;
        for (int x = 0; x < w; ++x) {
            out[x * 3] = char(in[x * 3 + 2]);
            out[x * 3 + 1] = char(in[x * 3 + 1]);
            out[x * 3 + 2] = char(in[x * 3]);
        }
        for (int p = w * 3; p < stride; ++p) {
            out[p] = char(0xEE); // padding the reader must skip
        }
    }
    return bmp;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        throw std::runtime_error("test file could not be written");
    }
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool closeTo(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace stoupe::test
