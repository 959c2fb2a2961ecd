#include "service/ServiceBase64.h"

#include "app/HugePages.h"

#include <array>
#include <cstdint>

namespace stoupe::service {

namespace {

constexpr uint8_t kSkip = 0xFF;

constexpr std::array<uint8_t, 256> MakeDecodeTable() {
    std::array<uint8_t, 256> table{};
    constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_/";
    for (size_t i = 0; i < alphabet.size(); ++i)
        table[static_cast<uint8_t>(alphabet[i])] = static_cast<uint8_t>(i);
    table['\r'] = kSkip;
    table['\n'] = kSkip;
    table['$'] = kSkip;
    return table;
}

constexpr std::array<uint8_t, 256> kDecode = MakeDecodeTable();

} // namespace

std::string DecodeVariantBase64(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 4 * 3 + 3);
    preferHugePages(out.data(), out.capacity());
    out.resize(text.size() / 4 * 3 + 3);
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    const auto* src = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = src + text.size();
    uint32_t group = 0;
    int count = 0;
    while (src < end) {
        // Whole groups of four alphabet characters, which is nearly all of a
        // body: line breaks come after 76 characters, a multiple of four.
        if (count == 0) {
            while (end - src >= 4) {
                const uint8_t a = kDecode[src[0]], b = kDecode[src[1]], c = kDecode[src[2]],
                              d = kDecode[src[3]];
                if ((a | b | c | d) & 0xC0)
                    break;
                dst[0] = static_cast<unsigned char>(a << 2 | b >> 4);
                dst[1] = static_cast<unsigned char>(b << 4 | c >> 2);
                dst[2] = static_cast<unsigned char>(c << 6 | d);
                dst += 3;
                src += 4;
            }
            if (src == end)
                break;
        }
        const uint8_t v = kDecode[*src++];
        if (v == kSkip)
            continue;
        group = (group << 6) | v;
        if (++count == 4) {
            *dst++ = static_cast<unsigned char>(group >> 16);
            *dst++ = static_cast<unsigned char>(group >> 8);
            *dst++ = static_cast<unsigned char>(group);
            group = 0;
            count = 0;
        }
    }
    if (count == 2) {
        *dst++ = static_cast<unsigned char>(group >> 4);
    } else if (count == 3) {
        *dst++ = static_cast<unsigned char>(group >> 10);
        *dst++ = static_cast<unsigned char>(group >> 2);
    }
    out.resize(static_cast<size_t>(dst - reinterpret_cast<unsigned char*>(out.data())));
    return out;
}

} // namespace stoupe::service
