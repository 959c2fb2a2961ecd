#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The resource libraries compiled from tests/resources/libraries at build time.
inline QString testLibrary(const char* name) {
    return QStringLiteral(STOUPE_TEST_RES_DIR "/") + QLatin1String(name) + QStringLiteral(".res");
}

inline QByteArray testLibraryBytes(const char* name) {
    QFile f(testLibrary(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
