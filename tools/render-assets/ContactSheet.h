#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QString>

namespace stoupe::tools {

struct SheetEntry {
    QString name;
    QPixmap pixmap;
};

// One image showing every entry at its logical size with its name under it,
// laid out in rows no wider than maxWidth logical pixels.
QImage contactSheet(const QList<SheetEntry>& entries, int maxWidth, qreal dpr);

} // namespace stoupe::tools
