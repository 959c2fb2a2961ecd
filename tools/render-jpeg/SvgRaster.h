#pragma once

#include <QImage>
#include <QString>

namespace stoupe::rendertool {

// Renders an SVG file to an opaque image of the given size (white behind
// transparent parts). Returns a null image when the file is not valid SVG.
QImage renderSvg(const QString& path, int width, int height);

// The same at the picture's own size times scale.
QImage renderSvgScaled(const QString& path, int scale);

// Encodes an image as a baseline JPEG with full chroma resolution (4:4:4),
// which keeps the thin outlines of small pictures clean. Returns false and
// leaves no file behind on failure.
bool writeJpeg(const QImage& image, const QString& path, int quality);

// Makes sure a QGuiApplication can start without a display.
void preferOffscreenPlatform();

} // namespace stoupe::rendertool
