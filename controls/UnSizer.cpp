#include "controls/UnSizer.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>

#include <cmath>
#include <typeinfo>

namespace stoupe {

namespace {

int scaled(int value, double factor) {
    return static_cast<int>(std::nearbyint(value * factor));
}

bool isImageWithPicture(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    return label && !label->pixmap().isNull();
}

bool isTextLabel(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    return label && label->pixmap().isNull();
}

bool isTextBox(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QTextEdit*>(control);
}

// Plain containers (pages, picture boxes) hold controls of the window; user
// controls and compound widgets look after their own insides.
bool holdsWindowControls(const QWidget* widget) {
    if (dynamic_cast<const UnSizable*>(widget))
        return false;
    return widget->property("container").toBool() || typeid(*widget) == typeid(QWidget) ||
           typeid(*widget) == typeid(QFrame);
}

void scaleFont(QWidget* control, double factor) {
    QFont font = control->font();
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), factor)));
    }
    control->setFont(font);
}

void unSizeChildren(double xFactor, double yFactor, QWidget* parent) {
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow())
            continue;
        UnSizeControl(xFactor, yFactor, child, false);
        if (holdsWindowControls(child))
            unSizeChildren(xFactor, yFactor, child);
    }
}

} // namespace

void UnSizeControl(double xFactor, double yFactor, QWidget* control, bool scaleTextBoxFonts) {
    if (!control)
        return;
    QRect geometry = control->geometry();
    geometry.moveLeft(scaled(geometry.left(), xFactor));
    geometry.moveTop(scaled(geometry.top(), yFactor));
    if (!isImageWithPicture(control)) {
        geometry.setWidth(scaled(geometry.width(), xFactor));
        geometry.setHeight(scaled(geometry.height(), yFactor));
    }
    control->setGeometry(geometry);
    if (isTextLabel(control) || (scaleTextBoxFonts && isTextBox(control)))
        scaleFont(control, xFactor);
    if (auto* sizable = dynamic_cast<UnSizable*>(control))
        sizable->UnSize(xFactor, yFactor);
}

void UnSizeForm(int designWidth, int designHeight, QWidget* window, QSizeF clientSize) {
    if (!window)
        return;
    if (!clientSize.isValid())
        clientSize = window->size();
    if (clientSize.width() <= 0 || clientSize.height() <= 0)
        return;
    if (clientSize.width() == designWidth && clientSize.height() == designHeight)
        return;
    const double xFactor = designWidth / clientSize.width();
    const double yFactor = designHeight / clientSize.height();
    window->resize(static_cast<int>(std::nearbyint(clientSize.width() * xFactor)),
                   static_cast<int>(std::nearbyint(clientSize.height() * yFactor)));
    unSizeChildren(xFactor, yFactor, window);
}

} // namespace stoupe
