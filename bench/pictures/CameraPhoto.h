#pragma once

#include <QImage>
#include <QString>

namespace stoupe::bench {

// A camera-like picture: a smooth scene with hard-edged objects and sensor
// noise, so that it compresses like a photograph rather than a test card.
QImage cameraLikePicture(int width, int height);

// Writes photo.jpg (the picture at quality 98, 4:2:0, as a camera would) and
// photo.ppm (the decoded pixels of photo.jpg, for cjpeg) into the folder.
bool writeCameraPhoto(const QString& folder, int width, int height);

} // namespace stoupe::bench
