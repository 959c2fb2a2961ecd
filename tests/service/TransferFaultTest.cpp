// The transport against broken servers of the test's own, over loopback.

#include "service/LoopbackHarness.h"

#include <gtest/gtest.h>

using namespace stoupe;
using namespace stoupe::service::loopback;

namespace {

using Pieces = std::vector<ScriptedServer::Piece>;

const QByteArray kGoodBody =
    "###RETURNED DATA######STA:User Checked###;###ALI:one###;###MAX:3###;###DATA TRANSFER "
    "COMPLETE###";

std::optional<clsReturnedData> CheckAgainst(ScriptedServer& server, int timeoutMs = 5000) {
    TransferClient client(server.server());
    return client.Run(
        [](clsTransfer& t) {
            return t.CheckUserOnServer(false, QStringLiteral("a@b.c"), QStringLiteral("pw"), {});
        },
        timeoutMs);
}

} // namespace

TEST(TransferFaults, ErrorAnswersAreReportedWithTheirCheckResult) {
    struct Case {
        const char* name;
        QByteArray answer;
        int16_t check;
    };
    const std::vector<Case> cases = {
        {"413", "HTTP/1.1 413 Request Entity Too Large\r\nContent-Length: 0\r\n\r\n", 5},
        {"500", "HTTP/1.0 500 Internal Server Error\r\n\r\nboom", 2},
        {"404", "HTTP/1.1 404 Not Found\r\n\r\n", 3},
        {"not HTTP", "SSH-2.0-OpenSSH_9.2\r\n", 4},
        {"more than the cap", "HTTP/1.1 200 OK\r\n\r\n" + QByteArray(1024 * 1024 + 100, 'x'), 4},
    };
    for (const Case& c : cases) {
        ScriptedServer server({{c.answer}}, true);
        const auto answer = CheckAgainst(server);
        ASSERT_TRUE(answer) << c.name;
        EXPECT_TRUE(answer->bServerError) << c.name;
        EXPECT_EQ(answer->iCheck, c.check) << c.name;
        EXPECT_EQ(answer->aAction, 1) << c.name;
        EXPECT_TRUE(
            answer->strDataError.startsWith(QStringLiteral("POST /Upload/CheckPassword.asp")))
            << c.name;
    }
}

TEST(TransferFaults, AnswerInSmallDelayedPiecesCompletesOnlyWithItsEndMarker) {
    // The status line itself is split: "HTTP/1.1 2" alone must not be judged.
    ScriptedServer server({{"HTTP/1.1 2"},
                           {"00 OK\r\nContent-Type: text/html\r\n\r\n", 80},
                           {kGoodBody.left(30), 80},
                           {kGoodBody.mid(30), 80}},
                          false);
    const auto answer = CheckAgainst(server);
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->bServerError);
    EXPECT_EQ(answer->colAliases, QStringList{QStringLiteral("one")});
    EXPECT_EQ(answer->intMaxAliases, 3);
}

TEST(TransferFaults, AnswerWithoutItsEndMarkerIsLeftToTheTimeOut) {
    const QByteArray unfinished =
        "HTTP/1.1 200 OK\r\n\r\n###RETURNED DATA######STA:User Checked###;";
    for (const bool close : {true, false}) {
        ScriptedServer server({{unfinished}}, close);
        TransferClient client(server.server());
        const auto answer = client.Run(
            [](clsTransfer& t) {
                return t.CheckUserOnServer(false, QStringLiteral("a"), QStringLiteral("b"), {});
            },
            1500);
        EXPECT_FALSE(answer) << (close ? "closed" : "kept open");
        EXPECT_EQ(client.repliesSeen(), 0);
        EXPECT_EQ(client.transfer().Action(), 0); // ended by the time-out
        EXPECT_EQ(server.requests().size(), 1u);
    }
}
