#pragma once

#include <QSizeF>

class QWidget;

namespace stoupe {

// A user control that contains further controls and re-scales them itself.
class UnSizable {
public:
    virtual ~UnSizable() = default;
    virtual void UnSize(double& xFactor, double& yFactor) = 0;
};

// Brings a window back to its design client size in pixels and re-scales every
// control on it by the same factors. clientSize is the size the window came up
// with; an invalid size means the window's present size.
void UnSizeForm(int designWidth, int designHeight, QWidget* window, QSizeF clientSize = {});

// Re-scales one control: position always, size unless it is an image holding
// a picture, label fonts always and text-box fonts only when asked.
void UnSizeControl(double xFactor, double yFactor, QWidget* control, bool scaleTextBoxFonts);

} // namespace stoupe
