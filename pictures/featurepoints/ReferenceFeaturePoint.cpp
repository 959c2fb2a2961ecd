#include "pictures/featurepoints/ReferenceFeaturePoint.h"

#include <QStringView>

#include <cmath>
#include <optional>

namespace stoupe {

namespace {

// A field read as a 16-bit whole number: surrounding spaces allowed, a
// fraction rounded to the nearest whole number (halves to even).
std::optional<qint16> toInt16(QStringView field) {
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // default rounding: halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return qint16(rounded);
}

// Only spaces are removed around a prompt: other white space is part of it.
QStringView trimSpaces(QStringView text) {
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.mid(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

bool validGender(int iGender) {
    return iGender == 0 || iGender == 1;
}

} // namespace

bool ReferenceFeaturePoint::decodeRFPString(qint32 number, const QString& text) {
    const QString all = text + QLatin1Char(';');
    uidID = number;
    qsizetype at = 0;
    // Each call takes the text up to the next ";" and moves past it.
    const auto nextField = [&](QStringView& field) {
        const qsizetype end = all.indexOf(QLatin1Char(';'), at);
        if (end < 0)
            return false;
        field = QStringView(all).mid(at, end - at);
        at = end + 1;
        return true;
    };

    QStringView field;
    if (!nextField(field))
        return false;
    const auto tag = toInt16(field);
    if (!tag)
        return false;
    nTag = *tag;

    float* const coordinates[4] = {&m_x[0], &m_y[0], &m_x[1], &m_y[1]};
    for (float* coordinate : coordinates) {
        if (!nextField(field))
            return false;
        const auto value = toInt16(field);
        if (!value)
            return false;
        *coordinate = float(*value);
    }

    if (!nextField(field))
        return false;
    strPrompt = trimSpaces(field).toString();
    return true;
}

float ReferenceFeaturePoint::posx(int iGender) const {
    return validGender(iGender) ? m_x[iGender] : 0.0f;
}

float ReferenceFeaturePoint::posY(int iGender) const {
    return validGender(iGender) ? m_y[iGender] : 0.0f;
}

void ReferenceFeaturePoint::setPosx(int iGender, float value) {
    if (validGender(iGender))
        m_x[iGender] = value;
}

void ReferenceFeaturePoint::setPosY(int iGender, float value) {
    if (validGender(iGender))
        m_y[iGender] = value;
}

} // namespace stoupe
