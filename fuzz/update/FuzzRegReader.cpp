// Any file read as the settings store: never crashes, and what was read
// survives a write and a second read unchanged.
#include "fuzz/transfer/FuzzTokens.h"
#include "update/RegFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text = stoupe::fuzz::expandTokens(data, size,
                                                       {"Windows Registry Editor Version 5.00\r\n",
                                                        "[HKEY_CURRENT_USER\\",
                                                        "[HKEY_CLASSES_ROOT\\",
                                                        "[-HKEY_CURRENT_USER\\",
                                                        "]\r\n",
                                                        "\r\n",
                                                        "\"",
                                                        "\\",
                                                        "=",
                                                        "@=",
                                                        "dword:",
                                                        "hex:",
                                                        "hex(1):",
                                                        "hex(2):",
                                                        "hex(7):",
                                                        ",\\\r\n  ",
                                                        "00,",
                                                        "ff,",
                                                        "; ",
                                                        "\xff\xfe",
                                                        "\"GlobalTimeout\"=",
                                                        "=-"});
    const stoupe::RegDocument doc = stoupe::ParseRegText(text);
    const QByteArray written = stoupe::SerializeRegText(doc);
    const stoupe::RegDocument again = stoupe::ParseRegText(written);
    if (stoupe::SerializeRegText(again) != written)
        std::abort();
    return 0;
}
