#pragma once

// Percent-encoding for URL queries: 0-9 A-Z a-z and $ - _ . + ! * ' ( ) stay,
// every other ANSI code becomes "%" and two lower-case hex digits
// ("a b,c" -> "a%20b%2cc"). Characters outside Windows-1252 become "%3f".

#include <QString>

namespace stoupe {

QString URLEncode(const QString& text);

} // namespace stoupe
