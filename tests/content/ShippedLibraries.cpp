#include "ShippedLibraries.h"

#include <QDir>

namespace stoupe::contenttest {

QString stagePath(const QString& relative) {
    return QDir(QStringLiteral(STOUPE_CONTENT_STAGE_DIR)).filePath(relative);
}

QString generatedPath(const QString& relative) {
    return QDir(QStringLiteral(STOUPE_CONTENT_GEN_DIR)).filePath(relative);
}

QString languageLibrary(const QString& name) {
    return stagePath(QStringLiteral("Lang/EN/") + name);
}

QString neutralLibrary(const QString& name) {
    return stagePath(QStringLiteral("Neutral/") + name);
}

Enumerated enumerateTexts(const QString& path) {
    Enumerated result;
    ExternalResources library;
    if (!library.ResOpen(path)) {
        result.end = ExternalResources::NotOpen;
        return result;
    }
    qint32 number = 0;
    for (;;) {
        const QString text = library.EnumerateString(number);
        if (number <= 0) {
            break;
        }
        result.numbers << number;
        result.texts.insert(number, text);
    }
    result.end = number;
    return result;
}

Enumerated enumeratePictures(const QString& path) {
    Enumerated result;
    ImagingComponent imaging;
    ExternalResources library;
    if (!library.ResOpen(path, &imaging)) {
        result.end = ExternalResources::NotOpen;
        return result;
    }
    qint32 number = 0;
    for (;;) {
        const QImage picture = library.EnumeratePics(number);
        if (number <= 0) {
            break;
        }
        result.numbers << number;
        result.sizes.insert(number, picture.size());
    }
    result.end = number;
    return result;
}

QVector<ReferencePoint> referencePoints(const Enumerated& texts, int view) {
    const qint32 first = 13300 + 5000 * view;
    QVector<ReferencePoint> points;
    for (qint32 number : texts.numbers) {
        if (number < first || number > first + 4999) {
            continue;
        }
        const QStringList fields = texts.texts.value(number).split(QLatin1Char(';'));
        ReferencePoint point;
        point.number = number;
        if (fields.size() == 6) {
            point.tag = fields[0].toInt();
            point.x[0] = fields[1].toInt();
            point.y[0] = fields[2].toInt();
            point.x[1] = fields[3].toInt();
            point.y[1] = fields[4].toInt();
            point.prompt = fields[5].trimmed();
        }
        points << point;
    }
    return points;
}

} // namespace stoupe::contenttest
