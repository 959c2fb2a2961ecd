#include "service/AccountStore.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>

namespace stoupe::service {

namespace {

// One prepared statement; binds texts and blobs without copying them, so the
// bound values must outlive the statement.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : m_db(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            Fail();
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int index, int64_t value) {
        Check(sqlite3_bind_int64(m_stmt, index, value));
        return *this;
    }
    Statement& Bind(int index, std::string_view text) {
        Check(sqlite3_bind_text64(m_stmt, index, text.data(), text.size(), SQLITE_STATIC,
                                  SQLITE_UTF8));
        return *this;
    }
    // True while a row is available.
    bool Step() {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            Fail();
        return false;
    }
    int64_t Int(int column) { return sqlite3_column_int64(m_stmt, column); }
    std::string Text(int column) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        const int n = sqlite3_column_bytes(m_stmt, column);
        return p ? std::string(p, static_cast<size_t>(n)) : std::string();
    }

private:
    void Check(int rc) {
        if (rc != SQLITE_OK)
            Fail();
    }
    [[noreturn]] void Fail() { throw StoreError(sqlite3_errmsg(m_db)); }

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

constexpr char kSchema[] = R"(
CREATE TABLE IF NOT EXISTS accounts (
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE COLLATE NOCASE,
    password TEXT NOT NULL,
    credits INTEGER NOT NULL
);
CREATE TABLE IF NOT EXISTS heads (
    id INTEGER PRIMARY KEY,
    account INTEGER NOT NULL REFERENCES accounts(id),
    alias TEXT NOT NULL COLLATE NOCASE,
    size INTEGER NOT NULL,
    stored TEXT NOT NULL DEFAULT CURRENT_TIMESTAMP,
    UNIQUE (account, alias)
);
)";

} // namespace

std::unique_ptr<AccountStore> AccountStore::Open(const std::string& path) {
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        throw StoreError(path + ": " + message);
    }
    std::string headFolder;
    if (path != ":memory:" && !path.empty()) {
        headFolder = path + ".heads";
        std::error_code error;
        std::filesystem::create_directories(headFolder, error);
        if (error) {
            sqlite3_close(db);
            throw StoreError(headFolder + ": " + error.message());
        }
    }
    std::unique_ptr<AccountStore> store(new AccountStore(db, std::move(headFolder)));
    store->Exec(kSchema);
    return store;
}

AccountStore::~AccountStore() {
    sqlite3_close(m_db);
}

void AccountStore::Exec(const char* sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "database error";
        sqlite3_free(error);
        throw StoreError(message);
    }
}

std::optional<Account> AccountStore::FindAccount(std::string_view name) {
    Statement s(m_db, "SELECT id, name, password, credits FROM accounts WHERE name = ?");
    s.Bind(1, name);
    if (!s.Step())
        return std::nullopt;
    return Account{s.Int(0), s.Text(1), s.Text(2), s.Int(3)};
}

int64_t AccountStore::CreateAccount(std::string_view name, std::string_view password,
                                    int64_t credits) {
    Statement s(m_db, "INSERT INTO accounts (name, password, credits) VALUES (?, ?, ?)");
    s.Bind(1, name).Bind(2, password).Bind(3, credits).Step();
    return sqlite3_last_insert_rowid(m_db);
}

void AccountStore::SetCredits(int64_t account, int64_t credits) {
    Statement s(m_db, "UPDATE accounts SET credits = ? WHERE id = ?");
    s.Bind(1, credits).Bind(2, account).Step();
}

std::vector<std::string> AccountStore::Aliases(int64_t account) {
    Statement s(m_db, "SELECT alias FROM heads WHERE account = ? ORDER BY id");
    s.Bind(1, account);
    std::vector<std::string> aliases;
    while (s.Step())
        aliases.push_back(s.Text(0));
    return aliases;
}

bool AccountStore::HasAlias(int64_t account, std::string_view alias) {
    return HeadId(account, alias).has_value();
}

std::optional<int64_t> AccountStore::HeadId(int64_t account, std::string_view alias) {
    Statement s(m_db, "SELECT id FROM heads WHERE account = ? AND alias = ?");
    s.Bind(1, account).Bind(2, alias);
    if (!s.Step())
        return std::nullopt;
    return s.Int(0);
}

std::string AccountStore::HeadPath(int64_t head) const {
    return m_headFolder + "/" + std::to_string(head) + ".zav";
}

void AccountStore::AddHead(int64_t account, std::string_view alias, std::string data) {
    Statement s(m_db, "INSERT INTO heads (account, alias, size) VALUES (?, ?, ?)");
    s.Bind(1, account).Bind(2, alias).Bind(3, static_cast<int64_t>(data.size())).Step();
    const int64_t head = sqlite3_last_insert_rowid(m_db);
    if (m_headFolder.empty()) {
        m_memoryHeads[head] = std::move(data);
        return;
    }
    // Written aside and renamed, so a head file is never seen half written.
    const std::string path = HeadPath(head);
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        if (!out.flush())
            throw StoreError(partial + ": cannot write");
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error)
        throw StoreError(path + ": " + error.message());
}

bool AccountStore::DeleteHead(int64_t account, std::string_view alias) {
    const auto head = HeadId(account, alias);
    if (!head)
        return false;
    Statement s(m_db, "DELETE FROM heads WHERE id = ?");
    s.Bind(1, *head).Step();
    if (m_headFolder.empty()) {
        m_memoryHeads.erase(*head);
    } else {
        std::error_code ignored;
        std::filesystem::remove(HeadPath(*head), ignored);
    }
    return true;
}

std::optional<std::string> AccountStore::HeadData(int64_t account, std::string_view alias) {
    const auto head = HeadId(account, alias);
    if (!head)
        return std::nullopt;
    if (m_headFolder.empty()) {
        const auto it = m_memoryHeads.find(*head);
        return it == m_memoryHeads.end() ? std::nullopt : std::optional(it->second);
    }
    std::ifstream in(HeadPath(*head), std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void AccountStore::Begin() {
    Exec("BEGIN");
}
void AccountStore::Commit() {
    Exec("COMMIT");
}
void AccountStore::Rollback() noexcept {
    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

} // namespace stoupe::service
