#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// The wizard's own pictures (backgrounds, titles, button faces, cards) and
// documents, authored as SVG and HTML in assets/ and compiled into the
// program. Every lookup of a missing name gives a null pixmap or an empty
// text, never an error: the control then simply shows nothing.
namespace stoupe::ui {

enum class ButtonFace { Inactive, Up, Down, Disabled };

// Renders assets/ui/<name>.svg. An empty logicalSize means the picture's own
// size. dpr 0 means the device pixel ratio of the primary screen, so the
// picture is crisp at 1x and 2x.
QPixmap picture(const QString& name, const QSize& logicalSize = {}, qreal dpr = 0);

// The picture's own (design) size, or an invalid size when it is missing.
QSize designSize(const QString& name);

// One face of a picture button. A button with pictures of its own
// ("button-<id>-<face>.svg", label included) shows them; any other button
// shows the generic face ("button-<face>.svg", stretched to the width without
// distorting its rounded ends) with the label drawn on it. An empty
// logicalSize means the picture's own size.
QPixmap buttonFace(const QString& buttonId, const QString& label, ButtonFace face,
                   const QSize& logicalSize, qreal dpr = 0);

// An HTML document shipped with the program (assets/documents/<name>.html).
QString document(const QString& name);

QStringList pictureNames();

} // namespace stoupe::ui
