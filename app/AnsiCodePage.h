#pragma once

// Texts to bytes and back through the Windows-1252 code page, in which the
// server protocol carries its texts and the resource libraries deliver theirs.
//   toAnsi(text)    one byte per character; characters outside the code page become '?'
//   fromAnsi(bytes) one character per byte (the five unassigned bytes map to U+0081 etc.)
//   throughAnsi(text, maxLength) the text as it survives a trip through the
//                   code page, cut to at most maxLength bytes (negative: no cut)

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace stoupe {

QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);
QString throughAnsi(QStringView text, qsizetype maxLength = -1);

} // namespace stoupe
