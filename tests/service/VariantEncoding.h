#pragma once

// Test fixtures for the service: the client's Base64 variant (alphabet with
// "_" and "/", padding "$", CR LF after every full 76-character line), the
// account pages' bodies, and small acquisition files with a correct word sum.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace stoupe::service::fixtures {

inline std::string EncodeVariant(std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_/";
    std::string flat;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t group = 0;
        for (size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < n ? static_cast<uint8_t>(bytes[i + k]) : 0);
        for (size_t k = 0; k < 4; ++k)
            flat += k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 63] : '$';
    }
    std::string lines;
    for (size_t i = 0; i < flat.size(); i += 76) {
        lines += flat.substr(i, 76);
        if (flat.size() - i >= 76)
            lines += "\r\n";
    }
    return lines;
}

inline std::string Flag(bool newUser) {
    return newUser ? "True" : "False";
}

inline std::string CheckBody(const std::string& user, const std::string& password, bool newUser) {
    return EncodeVariant("???1???" + user + "???2???" + Flag(newUser) + "???3???" + password);
}

inline std::string DeleteBody(const std::string& user, const std::string& password,
                              const std::string& alias, bool newUser) {
    return EncodeVariant("???1???" + user + "???2???" + password + "???3???" + alias + "???4???" +
                         Flag(newUser));
}

inline std::string UploadBody(const std::string& user, const std::string& password,
                              const std::string& alias, bool newUser, std::string_view data,
                              const std::string& referrer = "") {
    return EncodeVariant("???1???" + user + "???2???" + alias + "???3???" + password + "???4???" +
                         Flag(newUser) + "???5???" + referrer) +
           "***" + EncodeVariant(data);
}

// Sets the header's checksum (offset 12) so that the 16-bit little-endian
// word sum of the whole file is 0.
inline void StampChecksum(std::string& file) {
    file[12] = file[13] = 0;
    uint32_t sum = 0;
    for (size_t i = 0; i < file.size(); i += 2) {
        sum += static_cast<uint8_t>(file[i]);
        if (i + 1 < file.size())
            sum += static_cast<uint32_t>(static_cast<uint8_t>(file[i + 1])) << 8;
    }
    const auto checksum = static_cast<uint16_t>(65536 - (sum & 0xFFFF));
    file[12] = static_cast<char>(checksum & 0xFF);
    file[13] = static_cast<char>(checksum >> 8);
}

// An acquisition file of `size` bytes (at least 1354): the header's length,
// signatures and version, a body of `fill`, and the checksum.
inline std::string Acquisition(size_t size = 1354, char fill = 0) {
    std::string file(size, fill);
    std::fill(file.begin(), file.begin() + 1352, '\0');
    const auto put16 = [&](size_t at, uint16_t v) {
        file[at] = static_cast<char>(v & 0xFF);
        file[at + 1] = static_cast<char>(v >> 8);
    };
    put16(0, 1352);
    file.replace(4, 4, std::string_view("ZAV\0", 4));
    put16(8, 1);
    put16(10, 1);
    put16(16, 1);
    file.replace(1348, 4, std::string_view("ZAV\0", 4));
    StampChecksum(file);
    return file;
}

} // namespace stoupe::service::fixtures
