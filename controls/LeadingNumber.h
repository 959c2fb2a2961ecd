#pragma once

#include <QStringView>

namespace stoupe {

// The number a text starts with, as the lists and colour lists read their
// texts: leading blanks, a sign, digits and a decimal part; 0 when the text
// starts with no number.
double leadingNumber(QStringView text);

} // namespace stoupe
