#pragma once

// A value read from the settings store: text (string and expandable-string
// values), bytes (binary values), a 32-bit number (dword values), or empty
// (any other type, a missing value, no open key).

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>

namespace stoupe {

class RegistryValue {
public:
    RegistryValue() = default;
    RegistryValue(QString text) : m_value(std::move(text)) {}
    RegistryValue(QByteArray bytes) : m_value(std::move(bytes)) {}
    RegistryValue(uint32_t number) : m_value(number) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isText() const { return std::holds_alternative<QString>(m_value); }
    bool isBytes() const { return std::holds_alternative<QByteArray>(m_value); }
    bool isNumber() const { return std::holds_alternative<uint32_t>(m_value); }

    QString text() const; // the text, the number in decimal, else ""
    QByteArray bytes() const { return isBytes() ? std::get<QByteArray>(m_value) : QByteArray(); }
    uint32_t number() const { return isNumber() ? std::get<uint32_t>(m_value) : 0; }

    // The value as a 16-bit number the way a settings reader converts it: a
    // number as such (when it fits), a text holding a decimal number (rounded);
    // nothing otherwise.
    std::optional<int16_t> toInt16() const;

    bool operator==(const RegistryValue&) const = default;

private:
    std::variant<std::monostate, QString, QByteArray, uint32_t> m_value;
};

} // namespace stoupe
