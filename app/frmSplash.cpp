#include "app/frmSplash.h"

#include "assets/UiPictures.h"
#include "controls/UnSizer.h"
#include "wizard/Looks.h"
#include "wizard/ModalWindow.h"

#include <QLabel>
#include <QPainter>

namespace stoupe {

frmSplash::frmSplash(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Vellamor Stoupe"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    resize(DesignWidth, DesignHeight);
    m_background = ui::picture(QStringLiteral("page-background"), size());
    img_1Splalsh[0] = makeImage(this, QStringLiteral("img_1Splalsh_0"), QStringLiteral("splash-0"),
                                {396, 96}, {360, 96});
    img_1Splalsh[1] = makeImage(this, QStringLiteral("img_1Splalsh_1"), QStringLiteral("splash-1"),
                                {44, 120}, {300, 300});
    tmrEdge.setInterval(500);
    tmrRelease.setInterval(2000);
    // A coarse timer may tick up to 5% early, which would cut the 2 s hold.
    tmrRelease.setTimerType(Qt::PreciseTimer);
    connect(&tmrRelease, &QTimer::timeout, this, &frmSplash::RequestClose);
}

void frmSplash::setBackgroundPicture(const QPixmap& picture) {
    m_background = picture;
    update();
}

void frmSplash::RequestClose() {
    if (bStayAlive || Killed)
        return;
    tmrEdge.stop();
    tmrRelease.stop();
    close();
    Killed = true;
    emit killed();
}

void frmSplash::showEvent(QShowEvent* event) {
    UnSizeForm(DesignWidth, DesignHeight, this);
    centreOnScreen(this);
    tmrEdge.start();
    tmrRelease.start();
    QWidget::showEvent(event);
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), QColor(247, 243, 246));
    else
        painter.drawPixmap(rect(), m_background);
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    RequestClose();
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    RequestClose();
}

} // namespace stoupe
