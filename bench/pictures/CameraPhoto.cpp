#include "CameraPhoto.h"

#include "pictures/ImagingComponent.h"

#include <QFile>

#include <turbojpeg.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace stoupe::bench {

QImage cameraLikePicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB888);
    std::vector<float> colX(size_t(width) * 3), rowY(size_t(height) * 3);
    for (int x = 0; x < width; ++x) {
        const float t = float(x) / float(width);
        colX[x * 3 + 0] = 60.f * std::sin(6.f * t) + 25.f * std::sin(41.f * t);
        colX[x * 3 + 1] = 50.f * std::cos(4.f * t + 1.f) + 20.f * std::sin(57.f * t);
        colX[x * 3 + 2] = 40.f * std::sin(3.f * t + 2.f) + 15.f * std::cos(73.f * t);
    }
    for (int y = 0; y < height; ++y) {
        const float t = float(y) / float(height);
        rowY[y * 3 + 0] = 120.f + 40.f * std::cos(5.f * t) + 10.f * std::sin(97.f * t);
        rowY[y * 3 + 1] = 110.f + 45.f * std::sin(7.f * t) + 12.f * std::cos(83.f * t);
        rowY[y * 3 + 2] = 100.f + 50.f * std::cos(3.f * t) + 9.f * std::sin(61.f * t);
    }
    uint32_t state = 2463534242u; // xorshift noise
    auto noise = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return int(state & 15) + int((state >> 4) & 15) - 30; // triangular, -30..0
    };
    const int cx = width / 2, cy = height / 2, r2 = (height / 3) * (height / 3);
    for (int y = 0; y < height; ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const bool disc = (x - cx) * (x - cx) + (y - cy) * (y - cy) < r2;
            const bool stripe = ((x / 97) + (y / 131)) % 7 == 0;
            for (int c = 0; c < 3; ++c) {
                int v = int(colX[x * 3 + c] + rowY[y * 3 + c]) + noise() * 5 / 4 + 19;
                if (disc) {
                    v = 255 - v / 2;
                } else if (stripe) {
                    v /= 2;
                }
                line[x * 3 + c] = uchar(std::clamp(v, 0, 255));
            }
        }
    }
    return picture;
}

bool writeCameraPhoto(const QString& folder, int width, int height) {
    const QImage picture = cameraLikePicture(width, height);
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(handle, picture.constBits(), width, int(picture.bytesPerLine()),
                               height, TJPF_RGB, &jpeg, &size, TJSAMP_420, 98, 0);
    tjDestroy(handle);
    QFile out(folder + "/photo.jpg");
    const bool written =
        rc == 0 && out.open(QIODevice::WriteOnly) &&
        out.write(reinterpret_cast<const char*>(jpeg), qint64(size)) == qint64(size);
    tjFree(jpeg);
    out.close();
    if (!written) {
        return false;
    }
    ImagingComponent imaging;
    if (imaging.LoadJPEGFile(folder + "/photo.jpg") != ImagingStatus::Ok) {
        return false;
    }
    const QImage decoded = imaging.HeldPicture();
    QFile ppm(folder + "/photo.ppm");
    if (!ppm.open(QIODevice::WriteOnly)) {
        return false;
    }
    ppm.write(QByteArray("P6\n") + QByteArray::number(width) + ' ' + QByteArray::number(height) +
              "\n255\n");
    for (int y = 0; y < height; ++y) {
        ppm.write(reinterpret_cast<const char*>(decoded.constScanLine(y)), qint64(width) * 3);
    }
    return ppm.error() == QFileDevice::NoError;
}

} // namespace stoupe::bench
