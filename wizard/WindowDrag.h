#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace stoupe {

// Moves a borderless window while the left mouse button drags its background.
class WindowDrag {
public:
    // Both return true when they handled the event.
    bool press(QWidget* window, QMouseEvent* event);
    bool move(QWidget* window, QMouseEvent* event);
    void release() { m_dragging = false; }

private:
    QPoint m_offset;
    bool m_dragging = false;
};

} // namespace stoupe
