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

namespace {

// Runs one enumeration of the library to its end; `next` delivers the next
// item and its number, `keep` stores a delivered item.
template <typename Next, typename Keep>
Enumerated enumerate(const QString& path, ImagingComponent* imaging, Next next, Keep keep) {
    Enumerated result;
    ExternalResources library;
    if (!library.ResOpen(path, imaging)) {
        result.end = ExternalResources::NotOpen;
        return result;
    }
    qint32 number = 0;
    for (;;) {
        const auto item = next(library, number);
        if (number <= 0) {
            break;
        }
        result.numbers << number;
        keep(result, number, item);
    }
    result.end = number;
    return result;
}

} // namespace

Enumerated enumerateTexts(const QString& path) {
    return enumerate(
        path, nullptr,
        [](ExternalResources& library, qint32& number) { return library.EnumerateString(number); },
        [](Enumerated& result, qint32 number, const QString& text) {
            result.texts.insert(number, text);
        });
}

Enumerated enumeratePictures(const QString& path) {
    ImagingComponent imaging;
    return enumerate(
        path, &imaging,
        [](ExternalResources& library, qint32& number) { return library.EnumeratePics(number); },
        [](Enumerated& result, qint32 number, const QImage& picture) {
            result.sizes.insert(number, picture.size());
        });
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
