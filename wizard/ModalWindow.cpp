#include "wizard/ModalWindow.h"

#include "controls/UnSizer.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace stoupe {

namespace {
ModalWindow::ShownHook& shownHook() {
    static ModalWindow::ShownHook hook;
    return hook;
}
} // namespace

void centreOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.left() + (area.width() - window->width()) / 2,
                 area.top() + (area.height() - window->height()) / 2);
}

ModalWindow::ModalWindow(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    resize(DesignWidth, DesignHeight);
}

void ModalWindow::setShownHook(ShownHook hook) {
    shownHook() = std::move(hook);
}

void ModalWindow::setBackgroundPicture(const QPixmap& picture) {
    m_background = picture;
    update();
}

void ModalWindow::GoAway() {
    reject();
}

void ModalWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.isNull()) {
        painter.fillRect(rect(), QColor(247, 243, 246));
        painter.setPen(QColor(160, 1, 101));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    painter.drawPixmap(rect(), m_background);
}

void ModalWindow::showEvent(QShowEvent* event) {
    UnSizeForm(DesignWidth, DesignHeight, this);
    centreOnScreen(this);
    QDialog::showEvent(event);
    if (shownHook()) {
        QPointer<ModalWindow> self(this);
        QTimer::singleShot(0, this, [self] {
            if (self && self->isVisible() && shownHook())
                shownHook()(*self);
        });
    }
}

void ModalWindow::mousePressEvent(QMouseEvent* event) {
    if (!m_drag.press(this, event))
        QDialog::mousePressEvent(event);
}

void ModalWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!m_drag.move(this, event))
        QDialog::mouseMoveEvent(event);
}

void ModalWindow::mouseReleaseEvent(QMouseEvent* event) {
    m_drag.release();
    QDialog::mouseReleaseEvent(event);
}

} // namespace stoupe
