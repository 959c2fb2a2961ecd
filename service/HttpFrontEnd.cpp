#include "service/HttpFrontEnd.h"

#include "app/HugePages.h"
#include "service/PagePath.h"

#include <httplib.h>

#include <charconv>

namespace stoupe::service {

namespace {

constexpr char kAnswerType[] = "text/html; charset=windows-1252";

// Patterns for a page in both target forms. The host part is bounded so that
// the regular expression stays cheap on hostile targets.
std::string PagePattern(std::string_view path) {
    std::string escaped;
    for (const char c : path) {
        if (c == '.')
            escaped += '\\';
        escaped += c;
    }
    return "(?:[Hh][Tt][Tt][Pp]://[^/]{1,255})?" + escaped;
}

// Reads the whole body into `body`. On failure sets the answer's status: 413
// above kMaxBodyBytes (httplib sets it itself when the announced length is
// above), else 400.
bool ReadBody(const httplib::Request& req, const httplib::ContentReader& reader, std::string& body,
              httplib::Response& res) {
    size_t announced = 0;
    const std::string length = req.get_header_value("Content-Length");
    std::from_chars(length.data(), length.data() + length.size(), announced);
    body.reserve(std::min(announced, kMaxBodyBytes));
    preferHugePages(body.data(), body.capacity());
    bool tooLarge = false;
    const bool read = reader([&](const char* data, size_t size) {
        tooLarge = body.size() + size > kMaxBodyBytes;
        if (tooLarge)
            return false;
        body.append(data, size);
        return true;
    });
    if (!read)
        res.status = tooLarge ? 413 : (res.status >= 400 ? res.status : 400);
    return read;
}

} // namespace

struct HttpFrontEnd::Impl {
    VellamorService& service;
    VellamorService::LogFunction log;
    httplib::Server server;

    using Page = std::string (VellamorService::*)(std::string_view);

    void AccountPage(const char* path, Page page) {
        server.Post(PagePattern(path),
                    [this, page](const httplib::Request& req, httplib::Response& res,
                                 const httplib::ContentReader& reader) {
                        std::string body;
                        if (!ReadBody(req, reader, body, res))
                            return;
                        res.set_content((service.*page)(body), kAnswerType);
                    });
    }

    // The fields of the address's query, then those of a posted form.
    static auto PageFields(const httplib::Request& req, std::string_view form) {
        auto fields = ParseQueryText(TargetQuery(req.target), false);
        fields.merge(ParseQueryText(form, true));
        return fields;
    }

    void UpdateQuery(const httplib::Request& req, httplib::Response& res, std::string_view form) {
        res.set_content(service.UpdateQueryPage(PageFields(req, form)), kAnswerType);
    }

    void ForgotPassword(const httplib::Request& req, httplib::Response& res,
                        std::string_view form) {
        auto fields = PageFields(req, form);
        res.set_content(service.ForgotPasswordPage(fields["cn"]), kAnswerType);
    }

    template <typename Handler> void BrowserPage(const char* path, Handler handler) {
        server.Get(PagePattern(path),
                   [this, handler](const httplib::Request& req, httplib::Response& res) {
                       (this->*handler)(req, res, std::string_view());
                   });
        server.Post(PagePattern(path),
                    [this, handler](const httplib::Request& req, httplib::Response& res,
                                    const httplib::ContentReader& reader) {
                        std::string body;
                        if (!ReadBody(req, reader, body, res))
                            return;
                        (this->*handler)(req, res, body);
                    });
    }

    Impl(VellamorService& s, VellamorService::LogFunction l) : service(s), log(std::move(l)) {
        server.set_payload_max_length(kMaxBodyBytes);
        server.set_read_timeout(10, 0);
        server.set_write_timeout(10, 0);
        AccountPage("/Upload/CheckPassword.asp", &VellamorService::CheckPassword);
        AccountPage("/Upload/DeleteVell.asp", &VellamorService::DeleteVell);
        AccountPage("/Upload/UploadZAV.asp", &VellamorService::UploadZAV);
        BrowserPage("/AutoUpdate/GetVersionsForZUB.asp", &Impl::UpdateQuery);
        BrowserPage("/start/_mem/forgotpass.asp", &Impl::ForgotPassword);
        server.set_exception_handler(
            [this](const httplib::Request& req, httplib::Response& res, std::exception_ptr ep) {
                std::string what = "unknown error";
                try {
                    std::rethrow_exception(ep);
                } catch (const std::exception& e) {
                    what = e.what();
                } catch (...) {
                }
                if (log)
                    log("error in " + std::string(PagePath(req.path)) + ": " + what);
                res.status = 500;
                res.set_content("Internal Server Error", "text/plain");
            });
        server.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
            if (log) {
                log(req.method + " " + std::string(PagePath(req.path)).substr(0, 200) + " " +
                    std::to_string(res.status) + " (" +
                    (req.has_header("Content-Length") ? req.get_header_value("Content-Length")
                                                      : std::string("0")) +
                    " bytes in, " + std::to_string(res.body.size()) + " out)");
            }
        });
    }
};

HttpFrontEnd::HttpFrontEnd(VellamorService& service, VellamorService::LogFunction log)
    : m_impl(std::make_unique<Impl>(service, std::move(log))) {}

HttpFrontEnd::~HttpFrontEnd() = default;

int HttpFrontEnd::Bind(const std::string& address, int port) {
    if (port == 0)
        return m_impl->server.bind_to_any_port(address);
    return m_impl->server.bind_to_port(address, port) ? port : -1;
}

bool HttpFrontEnd::Run() {
    return m_impl->server.listen_after_bind();
}

void HttpFrontEnd::Stop() {
    m_impl->server.stop();
}

} // namespace stoupe::service
