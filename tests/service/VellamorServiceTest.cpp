// The service's account logic, without sockets: what each page answers.

#include "service/VellamorService.h"
#include "service/VariantEncoding.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace stoupe::service;
using namespace stoupe::service::fixtures;

namespace {

std::string Block(const std::string& items) {
    return "###RETURNED DATA###" + items + "###DATA TRANSFER COMPLETE###";
}

class VellamorServiceTest : public ::testing::Test {
protected:
    void Start(ServiceSettings settings) {
        service = std::make_unique<VellamorService>(
            AccountStore::Open(":memory:"), settings,
            [this](const std::string& line) { log += line + "\n"; },
            [this] { return "pw" + std::to_string(++passwords); });
    }
    void SetUp() override { Start({}); }

    // Creates an account with one head; returns its password.
    std::string NewAccount(const std::string& user, const std::string& alias = "first") {
        const std::string answer =
            service->UploadZAV(UploadBody(user, user, alias, true, Acquisition()));
        EXPECT_NE(answer.find("###STA:Zav uploaded###;"), std::string::npos) << answer;
        return "pw" + std::to_string(passwords);
    }

    std::unique_ptr<VellamorService> service;
    std::string log;
    int passwords = 0;
};

} // namespace

TEST_F(VellamorServiceTest, NewAccountIsCheckedThenCreatedByItsFirstUpload) {
    EXPECT_EQ(service->CheckPassword(CheckBody("ann@example.com", "ann@example.com", true)),
              Block("###STA:User Checked###;###NUM:0###;###MAX:3###;"));

    EXPECT_EQ(service->UploadZAV(UploadBody("ann@example.com", "ann@example.com", "Head_1", true,
                                            Acquisition(), "ref@example.com")),
              Block("###STA:Zav uploaded###;###NUM:1###;###ALI:Head_1###;###MAX:3###;"));
    EXPECT_NE(log.find("new account ann@example.com password pw1 referred by ref@example.com"),
              std::string::npos)
        << log;

    EXPECT_EQ(service->CheckPassword(CheckBody("ANN@example.com", "pw1", false)),
              Block("###STA:User Checked###;###NUM:1###;###ALI:Head_1###;###MAX:3###;"));
    EXPECT_EQ(service->CheckPassword(CheckBody("ann@example.com", "x", true)),
              Block("###ERR:User already exists###;"));
    EXPECT_EQ(service->UploadZAV(
                  UploadBody("ann@example.com", "ann@example.com", "Head_2", true, Acquisition())),
              Block("###ERR:User already exists###;"));
}

TEST_F(VellamorServiceTest, WrongPasswordOrUnknownUserDoesNotMatch) {
    const std::string password = NewAccount("bob@example.com");
    const std::string noMatch = Block("###ERR:Username and password didn't match###;");
    EXPECT_EQ(service->CheckPassword(CheckBody("bob@example.com", password + "x", false)), noMatch);
    EXPECT_EQ(service->CheckPassword(CheckBody("nobody@example.com", password, false)), noMatch);
    EXPECT_EQ(service->DeleteVell(DeleteBody("bob@example.com", "PW1", "first", false)), noMatch);
    EXPECT_EQ(
        service->UploadZAV(UploadBody("bob@example.com", "wrong", "second", false, Acquisition())),
        noMatch);
}

TEST_F(VellamorServiceTest, FullAccountRefusesUploadsUntilAHeadIsDeleted) {
    const std::string password = NewAccount("cy@example.com", "one");
    for (const char* alias : {"two", "three"}) {
        service->UploadZAV(UploadBody("cy@example.com", password, alias, false, Acquisition()));
    }
    const std::string three =
        "###NUM:3###;###ALI:one###;###ALI:two###;###ALI:three###;###MAX:3###;";
    EXPECT_EQ(service->CheckPassword(CheckBody("cy@example.com", password, false)),
              Block("###STA:User Checked###;" + three));
    EXPECT_EQ(
        service->UploadZAV(UploadBody("cy@example.com", password, "four", false, Acquisition())),
        Block("###ERR:Zav Upload Failed###;" + three));

    EXPECT_EQ(service->DeleteVell(DeleteBody("cy@example.com", password, "nine", false)),
              Block("###ERR:Unable to delete vellamor on server###;" + three));
    EXPECT_EQ(service->DeleteVell(DeleteBody("cy@example.com", password, "two", false)),
              Block("###STA:Vellamor Deleted###;###NUM:2###;###ALI:one###;###ALI:three###;"
                    "###MAX:3###;"));
    EXPECT_EQ(
        service->UploadZAV(UploadBody("cy@example.com", password, "four", false, Acquisition())),
        Block("###STA:Zav uploaded###;###NUM:3###;###ALI:one###;###ALI:three###;"
              "###ALI:four###;###MAX:3###;"));
}

TEST_F(VellamorServiceTest, UploadRefusals) {
    Start({.maxHeads = 5, .startingCredits = 2});
    const std::string password = NewAccount("di@example.com", "one");
    const std::string one = "###NUM:1###;###ALI:one###;###MAX:5###;";
    std::string corrupt = Acquisition(3000);
    corrupt[2000] = 1;
    struct Case {
        const char* name;
        std::string alias;
        std::string data;
        std::string answer;
    };
    const std::vector<Case> cases = {
        {"alias in use, other case", "ONE", Acquisition(),
         Block("###ERR:Zav Upload Failed###;" + one)},
        {"alias that could break the answer", "a###;b", Acquisition(),
         Block("###ERR:Zav Upload Failed###;" + one)},
        {"alias too long", std::string(17, 'a'), Acquisition(),
         Block("###ERR:Zav Upload Failed###;" + one)},
        {"word sum wrong", "two", corrupt, Block("###ERR:CRC Check failed###;")},
        {"header only", "two", Acquisition().substr(0, 1352), Block("###ERR:CRC Check failed###;")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            service->UploadZAV(UploadBody("di@example.com", password, c.alias, false, c.data)),
            c.answer)
            << c.name;
    }
    // Two starting credits: the first upload used one, the second uses the last.
    service->UploadZAV(UploadBody("di@example.com", password, "two", false, Acquisition()));
    EXPECT_EQ(
        service->UploadZAV(UploadBody("di@example.com", password, "three", false, Acquisition())),
        Block("###ERR:Insufficient Credits###;###NUM:2###;###ALI:one###;###ALI:two###;"
              "###MAX:5###;"));
}

TEST_F(VellamorServiceTest, RefusedNewAccountUploadCreatesNoAccount) {
    std::string corrupt = Acquisition();
    corrupt[1353] = 7;
    EXPECT_EQ(
        service->UploadZAV(UploadBody("ed@example.com", "ed@example.com", "a", true, corrupt)),
        Block("###ERR:CRC Check failed###;"));
    Start({.maxHeads = 3, .startingCredits = 0});
    EXPECT_EQ(service->UploadZAV(
                  UploadBody("ed@example.com", "ed@example.com", "a", true, Acquisition())),
              Block("###ERR:Insufficient Credits###;"));
    EXPECT_EQ(service->CheckPassword(CheckBody("ed@example.com", "ed@example.com", true)),
              Block("###STA:User Checked###;###NUM:0###;###MAX:3###;"));
    EXPECT_EQ(log.find("new account"), std::string::npos);
}

TEST_F(VellamorServiceTest, IncompleteAndHostileBodiesGetAnAnswer) {
    const std::string missing = Block("###ERR:User Email, password or alias missing###;");
    const std::string noData = Block("###ERR:No data sent to server###;");
    EXPECT_EQ(service->CheckPassword(""), noData);
    EXPECT_EQ(service->DeleteVell(""), noData);
    EXPECT_EQ(service->UploadZAV(EncodeVariant("???1???u???2???a???3???p???4???True???5???")),
              noData);
    EXPECT_EQ(service->CheckPassword(EncodeVariant("???1??????2???False???3???pw")), missing);
    EXPECT_EQ(service->DeleteVell(DeleteBody("u@v.w", "pw", "", false)), missing);
    EXPECT_EQ(service->UploadZAV(UploadBody("u@v.w", "pw", "", false, Acquisition())), missing);

    std::mt19937 random(11);
    for (int i = 0; i < 300; ++i) {
        std::string body(random() % 2000, '\0');
        for (char& c : body)
            c = static_cast<char>(random());
        if (i % 3 == 0)
            body.insert(body.size() / 2, "***");
        for (const auto& answer :
             {service->CheckPassword(body), service->DeleteVell(body), service->UploadZAV(body)}) {
            EXPECT_TRUE(answer.starts_with("###RETURNED DATA######ERR:")) << answer;
        }
    }
}

TEST_F(VellamorServiceTest, BrowserPagesEscapeWhatTheyShow) {
    const std::string page = service->UpdateQueryPage(
        ParseQueryText("0=5&1=Lang%5cEN%5cTextCore.dll&2=1&3=2&4=53&5=30%2f12%2f99%2000%3a00%3a00"
                       "&6=%3cscript%3e&7=0&8=0&9=0&10=x",
                       false));
    EXPECT_NE(page.find("<td>Lang\\EN\\TextCore.dll</td><td>1</td><td>2</td><td>53</td>"
                        "<td>30/12/99 00:00:00</td>"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("<td>&lt;script&gt;</td>"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);

    const std::string password = NewAccount("fay@example.com");
    const std::string reminder = service->ForgotPasswordPage("fay@example.com");
    EXPECT_NE(reminder.find("fay@example.com has an account"), std::string::npos) << reminder;
    EXPECT_NE(log.find("password reminder for fay@example.com: " + password), std::string::npos);
    EXPECT_EQ(service->ForgotPasswordPage("<b>").find("<b>"), std::string::npos);
}

TEST(ServiceStore, AccountsOutliveTheProcessInADatabaseFile) {
    const std::string path = ::testing::TempDir() + "service-store-test.sqlite";
    std::filesystem::remove(path);
    std::filesystem::remove_all(path + ".heads");
    {
        auto store = AccountStore::Open(path);
        const int64_t id = store->CreateAccount("gus@example.com", "secret", 4);
        store->AddHead(id, "kept", std::string("\0\1\2", 3));
    }
    auto store = AccountStore::Open(path);
    const auto account = store->FindAccount("GUS@example.com");
    ASSERT_TRUE(account);
    EXPECT_EQ(account->password, "secret");
    EXPECT_EQ(account->credits, 4);
    EXPECT_EQ(store->Aliases(account->id), std::vector<std::string>{"kept"});
    EXPECT_EQ(store->HeadData(account->id, "kept"), std::string("\0\1\2", 3));
    EXPECT_TRUE(store->DeleteHead(account->id, "KEPT"));
    EXPECT_FALSE(store->HeadData(account->id, "kept"));
    std::filesystem::remove(path);
    std::filesystem::remove_all(path + ".heads");
    EXPECT_THROW(AccountStore::Open("/nonexistent-folder/x.sqlite"), StoreError);
}
