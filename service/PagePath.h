#pragma once

// The page a request target names. Clients that were told to use a proxy
// send the absolute form ("http://host:port/Upload/CheckPassword.asp") even
// when the connection goes straight to the service, so the scheme and
// authority are dropped; a query ("?...") is dropped too.
//
//   PagePath("http://h:80/Upload/UploadZAV.asp") == "/Upload/UploadZAV.asp"

#include <string_view>

namespace stoupe::service {

std::string_view PagePath(std::string_view target);
// The query of a request target (after the first "?"), or empty.
std::string_view TargetQuery(std::string_view target);

} // namespace stoupe::service
