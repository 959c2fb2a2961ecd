#pragma once

// The service's accounts and their heads. Accounts and the list of heads are
// kept in one SQLite database (a file, or ":memory:"); the heads' acquisition
// files, tens of megabytes each, are kept beside it: in memory with an
// in-memory database, else as files in the folder "<database>.heads". User
// names and aliases compare without regard to letter case; aliases are listed
// in the order they were stored. Every failure throws StoreError. Not
// thread-safe: one caller at a time.
//
//   auto store = AccountStore::Open(":memory:");
//   auto id = store->CreateAccount("a@b.c", "secret", 10);
//   store->AddHead(id, "first", std::move(bytes));

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace stoupe::service {

struct StoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Account {
    int64_t id = 0;
    std::string name;
    std::string password;
    int64_t credits = 0;
};

class AccountStore {
public:
    static std::unique_ptr<AccountStore> Open(const std::string& path);
    ~AccountStore();
    AccountStore(const AccountStore&) = delete;
    AccountStore& operator=(const AccountStore&) = delete;

    std::optional<Account> FindAccount(std::string_view name);
    int64_t CreateAccount(std::string_view name, std::string_view password, int64_t credits);
    void SetCredits(int64_t account, int64_t credits);

    std::vector<std::string> Aliases(int64_t account);
    bool HasAlias(int64_t account, std::string_view alias);
    void AddHead(int64_t account, std::string_view alias, std::string data);
    // False when the account holds no head of that alias.
    bool DeleteHead(int64_t account, std::string_view alias);
    // The stored acquisition of a head, or nullopt.
    std::optional<std::string> HeadData(int64_t account, std::string_view alias);

    // Runs several changes as one: all of them or none.
    void Begin();
    void Commit();
    void Rollback() noexcept;

private:
    AccountStore(sqlite3* db, std::string headFolder)
        : m_db(db), m_headFolder(std::move(headFolder)) {}
    void Exec(const char* sql);
    std::optional<int64_t> HeadId(int64_t account, std::string_view alias);
    std::string HeadPath(int64_t head) const;

    sqlite3* m_db;
    std::string m_headFolder; // empty: acquisition files are kept in memory
    std::unordered_map<int64_t, std::string> m_memoryHeads;
};

} // namespace stoupe::service
