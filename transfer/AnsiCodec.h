#pragma once

// Texts to bytes and back through the Windows-1252 code page, which the
// server protocol uses for every text it carries.
//   toAnsi(text)    one byte per character; characters outside the code page become '?'
//   fromAnsi(bytes) one character per byte (the five unassigned bytes map to U+0081 etc.)

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace stoupe {

QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);

} // namespace stoupe
