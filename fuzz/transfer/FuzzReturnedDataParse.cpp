// Any server answer, parsed as the returned-data block: never throws, and a
// clean parse leaves no error text.
#include "FuzzTokens.h"
#include "app/AnsiCodePage.h"
#include "transfer/clsReturnedData.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    stoupe::clsReturnedData d;
    const QByteArray text = stoupe::fuzz::expandTokens(data, size,
                                                       {"###RETURNED DATA###",
                                                        "###;",
                                                        "###",
                                                        "###ERR:",
                                                        "###STA:",
                                                        "###ALI:",
                                                        "###MAX:",
                                                        "###RST:",
                                                        "###NUM:",
                                                        "###DATA TRANSFER COMPLETE###",
                                                        "User already exists",
                                                        "Username and password didn't match",
                                                        "Zav Upload Failed",
                                                        "No data sent to server",
                                                        "User Email, password or alias missing",
                                                        "Unable to delete vellamor on server",
                                                        "CRC Check failed",
                                                        "Insufficient Credits",
                                                        "User Checked",
                                                        "Vellamor Deleted",
                                                        "Zav uploaded",
                                                        "32767",
                                                        "-32768",
                                                        "99999"});
    d.Parse(stoupe::fromAnsi(text));
    if (!d.bDecodeError && !d.strDataError.isEmpty())
        std::abort();
    if (d.nResponseType < 0 || d.nResponseType > 2)
        std::abort();
    return 0;
}
