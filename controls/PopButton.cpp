#include "controls/PopButton.h"

#include "controls/clsSomeErrors.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace stoupe {

PopButton::PopButton(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setProperty("userControl", true);
    m_moveOff.setInterval(50);
    connect(&m_moveOff, &QTimer::timeout, this, &PopButton::moveOffTick);
}

QSize PopButton::sizeHint() const {
    if (!m_inactive.isNull())
        return m_inactive.deviceIndependentSize().toSize();
    return {80, 30};
}

void PopButton::setInactivePicture(const QPixmap& picture) {
    m_inactive = picture;
    showPicture(m_inactive);
    if (!isEnabled())
        ShowState(Normal);
}

void PopButton::setErrorHandler(clsSomeErrors* handler) {
    m_errorHandler = handler;
}

void PopButton::setUpPicture(const QPixmap& picture) {
    m_up = picture;
}

void PopButton::setDownPicture(const QPixmap& picture) {
    m_down = picture;
    if (Down())
        ShowState(Pressed);
}

void PopButton::setDisabledPicture(const QPixmap& picture) {
    m_disabled = picture;
    if (!isEnabled())
        ShowState(Normal);
}

void PopButton::setButtonEnabled(bool enabled) {
    setEnabled(enabled);
}

void PopButton::setDown(bool down) {
    if (!m_sticky)
        return;
    const bool changed = m_downState != down;
    m_downState = down;
    ShowState(down ? Pressed : MouseOver);
    if (changed)
        emit Click();
}

void PopButton::setSticky(bool sticky) {
    m_sticky = sticky;
    if (m_downState) {
        m_downState = false;
        ShowState(MouseOver);
        emit Click();
    }
}

void PopButton::ShowState(State state) {
    if (!isEnabled()) {
        showPicture(m_disabled);
        return;
    }
    if (state == MouseOver && !m_up.isNull()) {
        showPicture(m_up);
        return;
    }
    if (state == Pressed && !m_down.isNull()) {
        showPicture(m_down);
        return;
    }
    // A resting state while down means a sticky button lost track of itself.
    if (state == Normal && Down() && m_errorHandler)
        m_errorHandler->HandleError(1, objectName());
    showPicture(m_inactive);
}

void PopButton::showPicture(const QPixmap& picture) {
    if (picture.cacheKey() == m_shown.cacheKey() && picture.isNull() == m_shown.isNull())
        return;
    m_shown = picture;
    update();
}

bool PopButton::inside(const QPointF& position) const {
    return position.x() >= 0 && position.x() <= width() && position.y() >= 0 &&
           position.y() <= height();
}

bool PopButton::IsMouseOver() const {
    return inside(mapFromGlobal(QCursor::pos()));
}

void PopButton::paintEvent(QPaintEvent*) {
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_shown);
}

void PopButton::mousePressEvent(QMouseEvent* event) {
    ShowState(Pressed);
    m_moveOff.stop();
    event->accept();
}

void PopButton::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton) {
        ShowState(inside(event->position()) ? Pressed : restingState(Normal));
    } else {
        ShowState(restingState(MouseOver));
        if (!m_moveOff.isActive())
            m_moveOff.start();
    }
    event->accept();
}

void PopButton::mouseReleaseEvent(QMouseEvent* event) {
    if (inside(event->position())) {
        if (m_sticky) {
            m_downState = !m_downState;
            ShowState(m_downState ? Pressed : MouseOver);
        } else {
            ShowState(MouseOver);
        }
        m_moveOff.start();
        emit Click();
    } else {
        ShowState(restingState(Normal));
        m_moveOff.start();
    }
    event->accept();
}

void PopButton::moveOffTick() {
    if (IsMouseOver())
        return;
    ShowState(restingState(Normal));
    m_moveOff.stop();
}

void PopButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        ShowState(Down() ? Pressed : (IsMouseOver() ? MouseOver : Normal));
    QWidget::changeEvent(event);
}

} // namespace stoupe
