#pragma once

// Turns fuzz input into text built from the words a format is made of, so
// that the fuzzer reaches deep into a parser without a seed corpus: a byte
// below the number of words stands for that word, any other byte for itself.
// An input whose first byte is even is used raw instead.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace stoupe::fuzz {

inline QByteArray expandTokens(const uint8_t* data, size_t size,
                               std::initializer_list<const char*> words) {
    if (size == 0)
        return QByteArray();
    if (data[0] % 2 == 0)
        return QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const std::vector<const char*> table(words);
    QByteArray out;
    for (size_t i = 1; i < size; ++i) {
        if (data[i] < table.size())
            out += table[data[i]];
        else
            out += char(data[i]);
    }
    return out;
}

} // namespace stoupe::fuzz
