#include "assets/UiPictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

namespace stoupe::ui {

namespace {

QString svgPath(const QString& name) {
    return QStringLiteral(":/ui/%1.svg").arg(name);
}

qreal effectiveDpr(qreal dpr) {
    if (dpr > 0)
        return dpr;
    if (auto* screen = QGuiApplication::primaryScreen())
        return screen->devicePixelRatio();
    return 1.0;
}

} // namespace

QSize designSize(const QString& name) {
    QSvgRenderer renderer(svgPath(name));
    if (!renderer.isValid())
        return {};
    return renderer.defaultSize();
}

QPixmap picture(const QString& name, const QSize& logicalSize, qreal dpr) {
    QSvgRenderer renderer(svgPath(name));
    if (!renderer.isValid())
        return {};
    const QSize size = logicalSize.isValid() ? logicalSize : renderer.defaultSize();
    if (size.isEmpty())
        return {};
    const qreal ratio = effectiveDpr(dpr);
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QPixmap buttonFace(const QString& buttonId, const QString& label, ButtonFace face,
                   const QSize& logicalSize, qreal dpr) {
    static const char* const faceNames[] = {"inactive", "up", "down", "disabled"};
    const QString faceName = QString::fromLatin1(faceNames[static_cast<int>(face)]);
    QPixmap own = picture(QStringLiteral("button-%1-%2").arg(buttonId, faceName), logicalSize, dpr);
    if (!own.isNull())
        return own;
    QPixmap pixmap = picture(QStringLiteral("button-%1").arg(faceName), logicalSize, dpr);
    if (pixmap.isNull() || label.isEmpty())
        return pixmap;
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(9, logicalSize.height() * 2 / 5));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(face == ButtonFace::Disabled ? QColor(150, 140, 150) : QColor(255, 255, 255));
    const QRectF box(QPointF(0, 0), QSizeF(pixmap.size() / pixmap.devicePixelRatio()));
    painter.drawText(box.translated(0, face == ButtonFace::Down ? 1 : 0), Qt::AlignCenter, label);
    return pixmap;
}

QString document(const QString& name) {
    QFile file(QStringLiteral(":/documents/%1.html").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList pictureNames() {
    QStringList names;
    for (const QString& entry : QDir(QStringLiteral(":/ui")).entryList({QStringLiteral("*.svg")}))
        names << entry.chopped(4);
    return names;
}

} // namespace stoupe::ui
