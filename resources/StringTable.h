#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace stoupe {

// A string-table block holds sixteen texts, numbers 16 × (block − 1) to
// 16 × block − 1: each a 16-bit length followed by that many UTF-16 units.
namespace StringTable {

constexpr int StringsPerBlock = 16;

// The block that holds string `number`, 0 when the number is not a string number.
quint16 blockOf(qint64 number);

// The text at `slot` (0..15) of the block, at most maxUnits UTF-16 units of
// it. nullopt when the block's lengths run past its data: a damaged block
// holds no text at all.
std::optional<QString> text(QByteArrayView block, int slot, qsizetype maxUnits);

} // namespace StringTable

} // namespace stoupe
