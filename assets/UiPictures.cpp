#include "assets/UiPictures.h"

#include <QCache>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace stoupe::ui {

namespace {

// No control is anywhere near this large; a bigger request is a fault and
// must not turn into a huge allocation.
constexpr int kMaxDevicePixels = 8192;

QString svgPath(const QString& name) {
    return QStringLiteral(":/ui/%1.svg").arg(name);
}

qreal effectiveDpr(qreal dpr) {
    if (dpr > 0 && std::isfinite(dpr))
        return qMin(dpr, qreal(8));
    if (auto* screen = QGuiApplication::primaryScreen())
        return screen->devicePixelRatio();
    return 1.0;
}

// Names are plain words (letters, digits, '-' and '_'), never paths.
bool isPlainName(const QString& name) {
    if (name.isEmpty() || name.size() > 100)
        return false;
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
               c == QLatin1Char('_');
    });
}

// Missing names are normal (a button without pictures of its own), so they
// are checked before the SVG renderer would complain about them.
bool load(QSvgRenderer& renderer, const QString& name) {
    const QString path = svgPath(name);
    return isPlainName(name) && QFile::exists(path) && renderer.load(path) && renderer.isValid();
}

QPixmap blankPixmap(const QSize& size, qreal ratio) {
    const QSize device = (QSizeF(size) * ratio).toSize();
    if (size.isEmpty() || device.width() > kMaxDevicePixels || device.height() > kMaxDevicePixels)
        return {};
    QPixmap pixmap(device);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A face drawn at another width than its design keeps its rounded ends: the
// picture is rendered at the requested height with its own proportions, its
// two ends are copied as they are and only its uniform middle is stretched.
QPixmap stretchedFace(QSvgRenderer& renderer, const QSize& size, qreal ratio) {
    const QSizeF design = renderer.defaultSize();
    if (design.isEmpty())
        return {};
    const qreal naturalWidth = design.width() * size.height() / design.height();
    QPixmap natural = blankPixmap(QSize(qRound(naturalWidth), size.height()), ratio);
    QPixmap result = blankPixmap(size, ratio);
    if (natural.isNull() || result.isNull())
        return {};
    {
        QPainter painter(&natural);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(natural.size()) / ratio));
    }
    const int w = result.width();
    const int h = result.height();
    const int nw = natural.width();
    const int end = std::min({nw / 2, w / 2, (h + 1) / 2});
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Work in device pixels so the joins fall on whole pixels at every ratio.
    painter.scale(1 / ratio, 1 / ratio);
    painter.drawPixmap(QRect(0, 0, end, h), natural, QRect(0, 0, end, h));
    painter.drawPixmap(QRect(w - end, 0, end, h), natural, QRect(nw - end, 0, end, h));
    if (w - 2 * end > 0 && nw - 2 * end > 0)
        painter.drawPixmap(QRect(end, 0, w - 2 * end, h), natural, QRect(end, 0, nw - 2 * end, h));
    return result;
}

// Rendered pictures are kept: the small windows are created anew for every
// use and would otherwise parse and paint the same button faces each time.
// The cost is counted in kilobytes of pixels.
class RenderCache {
public:
    template <typename Render> QPixmap get(const QString& key, Render render) {
        {
            QMutexLocker lock(&m_mutex);
            if (const QPixmap* hit = m_cache.object(key))
                return *hit;
        }
        QPixmap pixmap = render();
        if (!pixmap.isNull()) {
            QMutexLocker lock(&m_mutex);
            const qint64 kilobytes = qint64(pixmap.width()) * pixmap.height() * 4 / 1024 + 1;
            m_cache.insert(key, new QPixmap(pixmap), kilobytes);
        }
        return pixmap;
    }

private:
    QMutex m_mutex;
    QCache<QString, QPixmap> m_cache{48 * 1024};
};

RenderCache& renderCache() {
    static RenderCache cache;
    return cache;
}

QString sizeKey(const QSize& size, qreal ratio) {
    return QStringLiteral("%1x%2@%3").arg(size.width()).arg(size.height()).arg(ratio);
}

QPixmap renderPicture(const QString& name, const QSize& logicalSize, qreal ratio) {
    QSvgRenderer renderer;
    if (!load(renderer, name))
        return {};
    const QSize size = logicalSize.isValid() ? logicalSize : renderer.defaultSize();
    QPixmap pixmap = blankPixmap(size, ratio);
    if (pixmap.isNull())
        return {};
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QPixmap renderGenericFace(const QString& faceName, const QString& label, ButtonFace face,
                          const QSize& logicalSize, qreal ratio) {
    QSvgRenderer renderer;
    if (!load(renderer, QStringLiteral("button-%1").arg(faceName)))
        return {};
    const QSize size = logicalSize.isValid() ? logicalSize : renderer.defaultSize();
    QPixmap pixmap = stretchedFace(renderer, size, ratio);
    if (pixmap.isNull() || label.isEmpty())
        return pixmap;

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    // The label keeps a margin of a third of the height on each side and
    // shrinks until it fits.
    const qreal margin = size.height() / 3.0;
    int pixelSize = qBound(9, size.height() * 2 / 5, 17);
    for (;;) {
        font.setPixelSize(pixelSize);
        if (pixelSize <= 9 ||
            QFontMetricsF(font).horizontalAdvance(label) <= size.width() - 2 * margin)
            break;
        --pixelSize;
    }
    painter.setFont(font);
    painter.setPen(face == ButtonFace::Disabled ? QColor(0xAB, 0xA0, 0xA8) : QColor(Qt::white));
    const QRectF box(QPointF(0, 0), QSizeF(size));
    const QString shown =
        QFontMetricsF(font).elidedText(label, Qt::ElideRight, size.width() - 2 * margin + 1);
    painter.drawText(box.translated(0, face == ButtonFace::Down ? 1 : 0), Qt::AlignCenter, shown);
    return pixmap;
}

} // namespace

QSize designSize(const QString& name) {
    // Asked for every image the windows make, right before the same picture
    // is rendered: remembered so each SVG is parsed for its size only once.
    static QMutex mutex;
    static QHash<QString, QSize> known;
    {
        QMutexLocker lock(&mutex);
        if (const auto hit = known.constFind(name); hit != known.cend())
            return *hit;
    }
    QSvgRenderer renderer;
    const QSize size = load(renderer, name) ? renderer.defaultSize() : QSize();
    QMutexLocker lock(&mutex);
    known.insert(name, size);
    return size;
}

QPixmap picture(const QString& name, const QSize& logicalSize, qreal dpr) {
    if (!isPlainName(name))
        return {};
    const qreal ratio = effectiveDpr(dpr);
    return renderCache().get(name + QLatin1Char('|') + sizeKey(logicalSize, ratio),
                             [&] { return renderPicture(name, logicalSize, ratio); });
}

QPixmap buttonFace(const QString& buttonId, const QString& label, ButtonFace face,
                   const QSize& logicalSize, qreal dpr) {
    static const char* const faceNames[] = {"inactive", "up", "down", "disabled"};
    const int index = static_cast<int>(face);
    if (index < 0 || index > 3)
        return {};
    const QString faceName = QString::fromLatin1(faceNames[index]);
    if (!buttonId.isEmpty()) {
        QPixmap own =
            picture(QStringLiteral("button-%1-%2").arg(buttonId, faceName), logicalSize, dpr);
        if (!own.isNull())
            return own;
    }
    const qreal ratio = effectiveDpr(dpr);
    return renderCache().get(
        QStringLiteral("button-%1|%2|").arg(faceName, sizeKey(logicalSize, ratio)) + label,
        [&] { return renderGenericFace(faceName, label, face, logicalSize, ratio); });
}

QString document(const QString& name) {
    QFile file(QStringLiteral(":/documents/%1.html").arg(name));
    if (!isPlainName(name) || !file.open(QIODevice::ReadOnly))
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
