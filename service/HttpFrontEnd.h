#pragma once

// vellamor-service's HTTP side: serves VellamorService's pages over
// cpp-httplib, for HTTP/1.0 and 1.1 requests with or without a Host header and
// with origin-form or absolute-form targets.
//   POST /Upload/CheckPassword.asp, /Upload/DeleteVell.asp, /Upload/UploadZAV.asp
//   GET/POST /AutoUpdate/GetVersionsForZUB.asp, /start/_mem/forgotpass.asp
// Bodies above kMaxBodyBytes are refused with 413.
//
//   HttpFrontEnd http(service, log);
//   int port = http.Bind("127.0.0.1", 0);   // -1 on failure
//   http.Run();                             // until Stop() from another thread

#include "service/VellamorService.h"

#include <memory>
#include <string>

namespace stoupe::service {

inline constexpr size_t kMaxBodyBytes = size_t{256} << 20;

class HttpFrontEnd {
public:
    HttpFrontEnd(VellamorService& service, VellamorService::LogFunction log);
    ~HttpFrontEnd();

    int Bind(const std::string& address, int port);
    bool Run();
    void Stop();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace stoupe::service
