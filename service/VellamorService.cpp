#include "service/VellamorService.h"

#include "service/RequestFields.h"
#include "service/ReturnedDataBlock.h"
#include "service/ZavCheck.h"

#include <charconv>
#include <random>

namespace stoupe::service {

namespace {

// Names as they go into the log: control characters would let a request
// forge log lines.
std::string Printable(std::string_view text) {
    std::string out(text.substr(0, 200));
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    }
    return out;
}

bool Matches(const std::optional<Account>& account, const AccountFields& fields) {
    return account && account->password == fields.password;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string DecodeQueryComponent(std::string_view text, bool plusIsSpace) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '%' && i + 2 < text.size()) {
            const int hi = HexValue(text[i + 1]);
            const int lo = HexValue(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out.push_back(static_cast<char>(hi * 16 + lo));
                i += 2;
                continue;
            }
        }
        out.push_back(plusIsSpace && c == '+' ? ' ' : c);
    }
    return out;
}

std::optional<int> ToInt(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string Page(std::string_view title, const std::string& body) {
    return "<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\"><title>" +
           std::string(title) + "</title></head>\n<body>\n<h1>" + std::string(title) + "</h1>\n" +
           body + "</body></html>\n";
}

} // namespace

VellamorService::VellamorService(std::unique_ptr<AccountStore> store, ServiceSettings settings,
                                 LogFunction log, PasswordFunction newPassword)
    : m_store(std::move(store)), m_settings(settings), m_log(std::move(log)),
      m_newPassword(std::move(newPassword)) {}

void VellamorService::Log(const std::string& line) const {
    if (m_log)
        m_log(line);
}

std::string VellamorService::RandomPassword() {
    static constexpr std::string_view kChars =
        "ABCDEFGHJKLMNPQRSTUVWXYZabcdefghijkmnopqrstuvwxyz23456789";
    std::random_device device;
    std::mt19937 generator(device());
    std::uniform_int_distribution<size_t> pick(0, kChars.size() - 1);
    std::string password(8, ' ');
    for (char& c : password)
        c = kChars[pick(generator)];
    return password;
}

std::string VellamorService::CheckPassword(std::string_view body) {
    ReturnedDataBlock block;
    const auto decoded = DecodeCheckBody(body);
    if (decoded.status == BodyStatus::Empty)
        return block.Error(kErrNoData).Text();
    if (decoded.status == BodyStatus::FieldsMissing)
        return block.Error(kErrFieldsMissing).Text();
    const AccountFields& fields = decoded.request.account;

    std::lock_guard lock(m_mutex);
    const auto account = m_store->FindAccount(fields.user);
    if (fields.newUser) {
        if (account)
            return block.Error(kErrUserExists).Text();
        return block.Status(kStatusUserChecked).Aliases({}, m_settings.maxHeads).Text();
    }
    if (!Matches(account, fields))
        return block.Error(kErrNoMatch).Text();
    return block.Status(kStatusUserChecked)
        .Aliases(m_store->Aliases(account->id), m_settings.maxHeads)
        .Text();
}

std::string VellamorService::DeleteVell(std::string_view body) {
    ReturnedDataBlock block;
    const auto decoded = DecodeDeleteBody(body);
    if (decoded.status == BodyStatus::Empty)
        return block.Error(kErrNoData).Text();
    if (decoded.status == BodyStatus::FieldsMissing)
        return block.Error(kErrFieldsMissing).Text();
    const DeleteRequest& request = decoded.request;

    std::lock_guard lock(m_mutex);
    const auto account = m_store->FindAccount(request.account.user);
    if (request.account.newUser)
        return block.Error(account ? kErrUserExists : kErrNoMatch).Text();
    if (!Matches(account, request.account))
        return block.Error(kErrNoMatch).Text();
    const bool deleted = m_store->DeleteHead(account->id, request.alias);
    if (deleted) {
        Log("deleted head \"" + Printable(request.alias) + "\" of " + Printable(account->name));
        block.Status(kStatusDeleted);
    } else {
        block.Error(kErrCouldntDelete);
    }
    return block.Aliases(m_store->Aliases(account->id), m_settings.maxHeads).Text();
}

std::string VellamorService::UploadZAV(std::string_view body) {
    ReturnedDataBlock block;
    auto decoded = DecodeUploadBody(body);
    if (decoded.status == BodyStatus::Empty)
        return block.Error(kErrNoData).Text();
    if (decoded.status == BodyStatus::FieldsMissing)
        return block.Error(kErrFieldsMissing).Text();
    UploadRequest& request = decoded.request;
    const size_t dataSize = request.data.size();
    const AcquisitionCheck check = CheckAcquisition(request.data);

    std::lock_guard lock(m_mutex);
    auto account = m_store->FindAccount(request.account.user);
    if (request.account.newUser && account)
        return block.Error(kErrUserExists).Text();
    if (!request.account.newUser && !Matches(account, request.account))
        return block.Error(kErrNoMatch).Text();
    if (check != AcquisitionCheck::Intact)
        return block.Error(kErrCrc).Text();

    const std::vector<std::string> aliases =
        account ? m_store->Aliases(account->id) : std::vector<std::string>{};
    const auto refuse = [&](const char* error) {
        block.Error(error);
        if (account)
            block.Aliases(aliases, m_settings.maxHeads);
        return block.Text();
    };
    if (!IsStorableAlias(request.alias) ||
        static_cast<int>(aliases.size()) >= m_settings.maxHeads ||
        (account && m_store->HasAlias(account->id, request.alias)))
        return refuse(kErrUploadFailed);
    const int64_t credits = account ? account->credits : m_settings.startingCredits;
    if (credits < 1)
        return refuse(kErrCredits);

    std::string password;
    m_store->Begin();
    try {
        if (!account) {
            password = m_newPassword();
            account = Account{m_store->CreateAccount(request.account.user, password, credits),
                              request.account.user, password, credits};
        }
        m_store->AddHead(account->id, request.alias, std::move(request.data));
        m_store->SetCredits(account->id, credits - 1);
        m_store->Commit();
    } catch (...) {
        m_store->Rollback();
        throw;
    }
    if (!password.empty()) {
        // Stands in for the e-mail that tells a new user his password.
        Log("new account " + Printable(account->name) + " password " + password +
            (request.referrer.empty() ? "" : " referred by " + Printable(request.referrer)));
    }
    Log("stored head \"" + request.alias + "\" of " + Printable(account->name) + ", " +
        std::to_string(dataSize) + " bytes, " + std::to_string(credits - 1) + " credits left");
    return block.Status(kStatusUploaded)
        .Aliases(m_store->Aliases(account->id), m_settings.maxHeads)
        .Text();
}

std::string VellamorService::UpdateQueryPage(const std::map<std::string, std::string>& fields) {
    int perFile = 5;
    if (const auto it = fields.find("0"); it != fields.end()) {
        if (const auto n = ToInt(it->second); n && *n >= 1 && *n <= 100)
            perFile = *n;
    }
    std::string rows;
    int files = 0;
    for (int i = 0; i < 10000; ++i) {
        const auto name = fields.find(std::to_string(perFile * i + 1));
        if (name == fields.end())
            break;
        rows += "<tr>";
        for (int k = 1; k <= std::min(perFile, 5); ++k) {
            const auto value = fields.find(std::to_string(perFile * i + k));
            rows += "<td>" + EscapeHtml(value == fields.end() ? "" : value->second) + "</td>";
        }
        rows += "</tr>\n";
        ++files;
    }
    Log("update query with " + std::to_string(files) + " files");
    return Page("Vellamor Stoupe update",
                "<p>The versions received (" + std::to_string(files) +
                    " files). No newer version is available.</p>\n"
                    "<table border=\"1\">\n<tr><th>File</th><th>Major</th><th>Minor</th>"
                    "<th>Revision</th><th>Date</th></tr>\n" +
                    rows + "</table>\n");
}

std::string VellamorService::ForgotPasswordPage(std::string_view userName) {
    {
        std::lock_guard lock(m_mutex);
        if (const auto account = m_store->FindAccount(userName)) {
            // Stands in for the reminder e-mail.
            Log("password reminder for " + Printable(account->name) + ": " + account->password);
        }
    }
    return Page("Password reminder",
                "<p>If " + EscapeHtml(userName.empty() ? "this address" : userName) +
                    " has an account, its password has been sent to it.</p>\n");
}

bool IsStorableAlias(std::string_view alias) {
    if (alias.empty() || alias.size() > 16)
        return false;
    for (const char c : alias) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '-';
        if (!ok)
            return false;
    }
    return true;
}

std::map<std::string, std::string> ParseQueryText(std::string_view text, bool plusIsSpace,
                                                  size_t maxFields) {
    std::map<std::string, std::string> fields;
    size_t pos = 0;
    while (pos <= text.size() && fields.size() < maxFields) {
        size_t end = text.find('&', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view pair = text.substr(pos, end - pos);
        if (!pair.empty()) {
            const size_t eq = pair.find('=');
            const std::string_view name = pair.substr(0, eq);
            const std::string_view value =
                eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1);
            fields.emplace(DecodeQueryComponent(name, plusIsSpace),
                           DecodeQueryComponent(value, plusIsSpace));
        }
        pos = end + 1;
    }
    return fields;
}

std::string EscapeHtml(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace stoupe::service
