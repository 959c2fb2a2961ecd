#include "tools/render-jpeg/SvgRaster.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <turbojpeg.h>

namespace stoupe::rendertool {

namespace {

QImage paint(QSvgRenderer& renderer, int width, int height) {
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        return {};
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    return image;
}

} // namespace

QImage renderSvg(const QString& path, int width, int height) {
    QSvgRenderer renderer(path);
    return paint(renderer, width, height);
}

QImage renderSvgScaled(const QString& path, int scale) {
    QSvgRenderer renderer(path);
    const QSize size = renderer.defaultSize() * scale;
    return paint(renderer, size.width(), size.height());
}

bool writeJpeg(const QImage& source, const QString& path, int quality) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    tjhandle handle = tjInitCompress();
    if (handle == nullptr) {
        return false;
    }
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const int status = tjCompress2(handle, image.constBits(), image.width(),
                                   int(image.bytesPerLine()), image.height(), TJPF_RGB, &jpeg,
                                   &size, TJSAMP_444, quality, TJFLAG_ACCURATEDCT);
    bool ok = status == 0;
    if (ok) {
        QSaveFile file(path);
        ok = file.open(QIODevice::WriteOnly) &&
             file.write(reinterpret_cast<const char*>(jpeg), qint64(size)) == qint64(size) &&
             file.commit();
    }
    tjFree(jpeg);
    tjDestroy(handle);
    return ok;
}

void preferOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

} // namespace stoupe::rendertool
