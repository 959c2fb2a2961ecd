#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace stoupe {

class PopButton;

// Dressing controls with the program's own pictures. A missing picture
// leaves the control empty.
void dressButton(PopButton* button, const QString& faceId, const QString& label, const QSize& size);
// A picture button dressed with the faces of faceId, placed at geometry; a
// non-empty tag names its tooltip text in the resources.
PopButton* makeButton(QWidget* parent, const QString& name, const QString& faceId,
                      const QString& label, const QRect& geometry, const QString& tag = {});
QPixmap designPicture(const QString& name, const QSize& size = {});
// An image control showing a design picture at its own design size.
QLabel* makeImage(QWidget* parent, const QString& objectName, const QString& picture,
                  const QPoint& topLeft, const QSize& fallbackSize = {});
QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text,
                  const QRect& geometry);
void setTag(QWidget* control, const QString& tag);
// The heading of a small window: bold, 12 points, in the heading colour.
void styleWindowTitle(QLabel* title);

} // namespace stoupe
