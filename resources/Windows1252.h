#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace stoupe {

// The Windows-1252 code page, in which the program's texts reach it.
// Characters outside the code page become "?" (a surrogate pair counts as
// one character).
QByteArray toWindows1252(QStringView text);
QString fromWindows1252(QByteArrayView bytes);

// The text as it survives a trip through Windows-1252, cut to at most
// maxLength characters (negative: no cut).
QString throughWindows1252(QStringView text, qsizetype maxLength = -1);

} // namespace stoupe
