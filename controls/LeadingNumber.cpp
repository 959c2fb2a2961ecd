#include "controls/LeadingNumber.h"

namespace stoupe {

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    bool point = false;
    while (i < text.size() && (text[i].isDigit() || (!point && text[i] == QLatin1Char('.')))) {
        point = point || text[i] == QLatin1Char('.');
        ++i;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace stoupe
