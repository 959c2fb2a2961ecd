#include "wizard/PageWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace stoupe {

PageWidget::PageWidget(int index, QWidget* parent) : QWidget(parent), m_index(index) {
    setObjectName(QStringLiteral("picStep_%1").arg(index));
    setProperty("container", true);
}

void PageWidget::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void PageWidget::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

void PageWidget::mousePressEvent(QMouseEvent* event) {
    m_moved = false;
    if (!m_drag.press(window(), event))
        QWidget::mousePressEvent(event);
}

void PageWidget::mouseMoveEvent(QMouseEvent* event) {
    if (m_drag.move(window(), event))
        m_moved = true;
    else
        QWidget::mouseMoveEvent(event);
}

void PageWidget::mouseReleaseEvent(QMouseEvent* event) {
    m_drag.release();
    if (event->button() == Qt::LeftButton && !m_moved)
        emit backgroundClicked();
    QWidget::mouseReleaseEvent(event);
}

FocusSentinel::FocusSentinel(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::TabFocus);
    resize(1, 1);
}

void FocusSentinel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (!m_resolve)
        return;
    QWidget* target = m_resolve();
    if (target && target != this && target->isEnabled())
        target->setFocus(Qt::TabFocusReason);
}

} // namespace stoupe
