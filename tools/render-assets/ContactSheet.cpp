#include "tools/render-assets/ContactSheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace stoupe::tools {

namespace {

constexpr int kGap = 16;
constexpr int kCaption = 18;

QSize logicalSize(const QPixmap& pixmap) {
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}

} // namespace

QImage contactSheet(const QList<SheetEntry>& entries, int maxWidth, qreal dpr) {
    struct Placed {
        const SheetEntry* entry;
        QPoint at;
    };
    QList<Placed> placed;
    int x = kGap;
    int y = kGap;
    int rowHeight = 0;
    int width = 0;
    for (const SheetEntry& entry : entries) {
        const QSize size = logicalSize(entry.pixmap).expandedTo(QSize(80, 10));
        if (x > kGap && x + size.width() + kGap > maxWidth) {
            x = kGap;
            y += rowHeight + kCaption + kGap;
            rowHeight = 0;
        }
        placed.append({&entry, QPoint(x, y)});
        x += size.width() + kGap;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, size.height());
    }
    const int height = y + rowHeight + kCaption + kGap;

    QImage sheet(QSize(width, height) * dpr, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(dpr);
    sheet.fill(QColor(0xE4, 0xE0, 0xE3));
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    for (const Placed& p : placed) {
        const QSize size = logicalSize(p.entry->pixmap);
        painter.fillRect(QRect(p.at, size), QColor(0xC8, 0xC2, 0xC6));
        painter.drawPixmap(p.at, p.entry->pixmap);
        painter.setPen(QColor(0x3A, 0x31, 0x40));
        painter.drawText(QPoint(p.at.x(), p.at.y() + size.height() + 13), p.entry->name);
    }
    return sheet;
}

} // namespace stoupe::tools
