#pragma once

// What the local service answers, without any socket: the three account pages
// (check, delete, upload) turn a request body into a returned-data block, the
// update query and the password reminder into small HTML pages. Thread-safe:
// bodies are decoded in parallel, the store is used by one caller at a time.
//
//   VellamorService service(AccountStore::Open(":memory:"), {}, log);
//   std::string answer = service.CheckPassword(body);

#include "service/AccountStore.h"

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace stoupe::service {

struct ServiceSettings {
    int maxHeads = 3;             // the most heads one account may hold
    int64_t startingCredits = 10; // credits of a new account; each upload costs one
};

class VellamorService {
public:
    using LogFunction = std::function<void(const std::string&)>;
    using PasswordFunction = std::function<std::string()>;

    VellamorService(std::unique_ptr<AccountStore> store, ServiceSettings settings, LogFunction log,
                    PasswordFunction newPassword = RandomPassword);

    std::string CheckPassword(std::string_view body);
    std::string DeleteVell(std::string_view body);
    std::string UploadZAV(std::string_view body);

    // The versions an update query reported, as a page. `fields` are the
    // query's decoded name/value pairs ("0" = values per file, then per file
    // name, major, minor, revision, date).
    std::string UpdateQueryPage(const std::map<std::string, std::string>& fields);
    std::string ForgotPasswordPage(std::string_view userName);

    // Runs f on the store with the store's lock held (for inspection).
    template <typename F> auto WithStore(F f) {
        std::lock_guard lock(m_mutex);
        return f(*m_store);
    }

    // Eight random letters and digits.
    static std::string RandomPassword();

private:
    void Log(const std::string& line) const;

    std::unique_ptr<AccountStore> m_store;
    ServiceSettings m_settings;
    LogFunction m_log;
    PasswordFunction m_newPassword;
    std::mutex m_mutex;
};

// Aliases the service stores: 1 to 16 letters, digits, "_" and "-", which
// also keeps them from breaking the answer's items.
bool IsStorableAlias(std::string_view alias);

// Name/value pairs of a URL query or form body. "%xx" is decoded; "+" means a
// space only in form bodies. Keeps at most `maxFields` pairs.
std::map<std::string, std::string> ParseQueryText(std::string_view text, bool plusIsSpace,
                                                  size_t maxFields = 50000);

std::string EscapeHtml(std::string_view text);

} // namespace stoupe::service
