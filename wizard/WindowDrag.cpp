#include "wizard/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

namespace stoupe {

bool WindowDrag::press(QWidget* window, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return false;
    m_offset = event->globalPosition().toPoint() - window->frameGeometry().topLeft();
    m_dragging = true;
    return true;
}

bool WindowDrag::move(QWidget* window, QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return false;
    window->move(event->globalPosition().toPoint() - m_offset);
    return true;
}

} // namespace stoupe
