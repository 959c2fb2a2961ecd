#include "update/RegistryValue.h"

#include <cmath>

namespace stoupe {

QString RegistryValue::text() const {
    if (isText())
        return std::get<QString>(m_value);
    if (isNumber())
        return QString::number(std::get<uint32_t>(m_value));
    return QString();
}

std::optional<int16_t> RegistryValue::toInt16() const {
    double value = 0;
    if (isNumber()) {
        value = std::get<uint32_t>(m_value);
    } else if (isText()) {
        bool ok = false;
        value = std::get<QString>(m_value).trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
        value = std::nearbyint(value);
    } else {
        return std::nullopt;
    }
    if (!(value >= -32768 && value <= 32767))
        return std::nullopt;
    return static_cast<int16_t>(value);
}

} // namespace stoupe
