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
QPixmap designPicture(const QString& name, const QSize& size = {});
// An image control showing a design picture at its own design size.
QLabel* makeImage(QWidget* parent, const QString& objectName, const QString& picture,
                  const QPoint& topLeft, const QSize& fallbackSize = {});
QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text,
                  const QRect& geometry);
void setTag(QWidget* control, const QString& tag);

} // namespace stoupe
