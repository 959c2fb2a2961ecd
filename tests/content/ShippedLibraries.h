#pragma once

#include "pictures/ImagingComponent.h"
#include "resources/ExternalResources.h"

#include <QImage>
#include <QMap>
#include <QString>
#include <QVector>

namespace stoupe::contenttest {

// Where the build puts the libraries and the generated sources.
QString stagePath(const QString& relative);
QString generatedPath(const QString& relative);

QString languageLibrary(const QString& name); // stage/Lang/EN/name
QString neutralLibrary(const QString& name);  // stage/Neutral/name

struct Enumerated {
    QVector<qint32> numbers;
    QMap<qint32, QString> texts;
    QMap<qint32, QSize> sizes;
    qint32 end = 1; // the number the enumeration finished with
};

// Every text (or picture) of a library as the wizard's binding receives it.
Enumerated enumerateTexts(const QString& path);
Enumerated enumeratePictures(const QString& path);

// One decoded reference-point string: tag; male x; male y; female x; female y; prompt.
struct ReferencePoint {
    qint32 number = 0;
    int tag = 0;
    int x[2] = {0, 0};
    int y[2] = {0, 0};
    QString prompt;
};

// The points of one view (0 front, 1 left, 2 right) in delivery order;
// strings that do not decode completely are reported by the caller's checks
// through an empty prompt.
QVector<ReferencePoint> referencePoints(const Enumerated& texts, int view);

} // namespace stoupe::contenttest
