#include "ReferenceBase64.h"
#include "ScriptedSocket.h"
#include "transfer/clsTransfer.h"
#include "update/RegFile.h"
#include "update/TempSettingsStore.h"

#include <gtest/gtest.h>

using namespace stoupe;
using stoupe::test::ScriptedSocket;

namespace {

const QByteArray kEnd = "###DATA TRANSFER COMPLETE###";
const QByteArray kGoodAnswer = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n"
                               "<p>###RETURNED DATA######STA:User Checked###;###ALI:Head1###;"
                               "###ALI:head2###;###MAX:3###;" +
                               kEnd;

QByteArray head(const QByteArray& requestLine, qsizetype bodyLength) {
    return requestLine +
           "\r\nAccept: */*\r\nAccept-Language: en-gb\r\n"
           "Content-Type: application/x-www-form-urlencoded\r\n"
           "Content-Length: " +
           QByteArray::number(bodyLength) + "\r\n\r\n";
}

class Transfer : public ::testing::Test {
protected:
    Transfer() {
        transfer.InitControl(&socket);
        transfer.SetServer("server.example");
        // A clock that moves 100 ms each time events are let run: the waits
        // of the transport end without sleeping.
        transfer.SetWaits({[this] { return nowMs; },
                           [this] {
                               nowMs += 100;
                               ++pumps;
                               if (duringPump)
                                   duringPump();
                           }});
        QObject::connect(&transfer, &clsTransfer::Replied,
                         [this](const clsReturnedData& d) { replies.append(d); });
    }

    void startCheck() {
        ASSERT_EQ(transfer.CheckUserOnServer(false, "ann@example.com", "secret", "ref@x.y"), 0);
        socket.acceptConnection();
    }

    void storeServerErrors() {
        store.write("Windows Registry Editor Version 5.00\r\n\r\n"
                    "[HKEY_CURRENT_USER\\Software\\Vellamor Ltd\\Apps\\Vellamor Stoupe]\r\n"
                    "\"StoreServerError\"=dword:00000001\r\n");
    }
    QString storedServerError() const {
        const RegDocument doc = ParseRegText(store.read());
        const RegKey* key = doc.find(QStringLiteral("HKEY_CURRENT_USER\\") + kProgramKey);
        const RegEntry* entry = key ? key->find("ServerError") : nullptr;
        return entry ? entry->value.text() : QString();
    }

    stoupe::test::TempSettingsStore store;
    ScriptedSocket socket;
    clsTransfer transfer;
    qint64 nowMs = 0;
    int pumps = 0;
    std::function<void()> duringPump;
    QList<clsReturnedData> replies;
};

} // namespace

TEST_F(Transfer, CheckRequestBytesDirect) {
    ASSERT_EQ(transfer.CheckUserOnServer(false, "ann@example.com", "secret", "ref@x.y"), 0);
    EXPECT_EQ(transfer.Action(), 1);
    EXPECT_EQ(socket.connectCalls, 1);
    EXPECT_EQ(socket.connectedHost, "server.example");
    EXPECT_EQ(socket.connectedPort, 80);
    EXPECT_TRUE(socket.sent.isEmpty()) << "the request waits for the connection";

    socket.acceptConnection();
    const QByteArray body = "Pz8/MT8/P2FubkBleGFtcGxlLmNvbT8/PzI/Pz9GYWxzZT8/PzM/Pz9zZWNyZXQ$";
    EXPECT_EQ(socket.sent, "POST /Upload/CheckPassword.asp HTTP/1.0\r\n"
                           "Accept: */*\r\n"
                           "Accept-Language: en-gb\r\n"
                           "Content-Type: application/x-www-form-urlencoded\r\n"
                           "Content-Length: 64\r\n"
                           "\r\n" +
                               body);
    EXPECT_TRUE(transfer.Connected());
    EXPECT_EQ(transfer.TotalToSend(), socket.sent.size());
}

TEST_F(Transfer, DeleteRequestBytesThroughProxy) {
    transfer.SetProxy("proxyhost:8080");
    ASSERT_EQ(transfer.DeleteMaskOnServer(true, "ann@example.com", "secret", "MyHead"), 0);
    EXPECT_EQ(socket.connectedHost, "proxyhost");
    EXPECT_EQ(socket.connectedPort, 8080);
    socket.acceptConnection();
    const QByteArray body =
        "Pz8/MT8/P2FubkBleGFtcGxlLmNvbT8/PzI/Pz9zZWNyZXQ/Pz8zPz8/TXlIZWFkPz8/ND8/P1Ry"
        "\r\ndWU$";
    EXPECT_EQ(socket.sent,
              head("POST http://server.example/Upload/DeleteVell.asp HTTP/1.0", 82) + body);
    EXPECT_EQ(transfer.Action(), 2);
}

TEST_F(Transfer, UploadRequestBytes) {
    const QByteArray data = stoupe::test::patternBytes(1000);
    for (const bool viaProxy : {false, true}) {
        ScriptedSocket fresh;
        clsTransfer t;
        t.InitControl(&fresh);
        t.SetWaits({[] { return qint64(0); }, [] {}});
        t.SetServer("server.example:8081");
        t.SetProxy(viaProxy ? "proxy:3128" : "");
        ASSERT_EQ(t.UploadDataOnServer(false, "ann@example.com", "secret", "", "New_Head-1", data),
                  0);
        fresh.acceptConnection();
        const QByteArray body =
            stoupe::test::referenceEncode("???1???ann@example.com???2???New_Head-1???3???secret"
                                          "???4???False???5???") +
            "***" + stoupe::test::referenceEncode(data);
        const QByteArray line =
            viaProxy ? "POST http://server.example:8081/Upload/UploadZAV.asp HTTP/1.0"
                     : "POST /Upload/UploadZAV.asp HTTP/1.0";
        EXPECT_EQ(fresh.sent, head(line, body.size()) + body) << viaProxy;
        EXPECT_EQ(fresh.connectedPort, viaProxy ? 3128 : 8081);
        EXPECT_EQ(t.Action(), 3);
        EXPECT_EQ(t.PcentDone(), 0.0f);
        fresh.finishSending();
        EXPECT_EQ(t.Action(), 4);
        EXPECT_EQ(t.AmountSent(), fresh.sent.size());
        EXPECT_EQ(t.PcentDone(), 1.0f);
    }
}

TEST_F(Transfer, ChoosesHostAndPort) {
    const struct {
        QString server, proxy, bypass;
        QString host;
        int port; // -1: not started
    } cases[] = {
        {"server.example", "", "", "server.example", 80},
        {"server.example:8080", "", "", "server.example", 8080},
        {"server.example", "proxyhost:8080", "", "proxyhost", 8080},
        {"server.example", "proxyhost", "", "proxyhost", 80},
        {"Server.Example", "proxyhost:8080", "*.local;server.example;<local>", "Server.Example",
         80},
        {"server.example", "proxyhost:8080", "other.example", "proxyhost", 8080},
        // A plain substring search: "myserver.example;" contains "server.example;".
        {"server.example", "proxyhost:8080", "myserver.example", "server.example", 80},
        {"server.example:8080.4", "", "", "server.example", 8080},
        {"server.example:abc", "", "", "", -1},
        {"server.example:70000", "", "", "", -1},
    };
    for (const auto& c : cases) {
        ScriptedSocket fresh;
        clsTransfer t;
        t.InitControl(&fresh);
        t.SetWaits({[] { return qint64(0); }, [] {}});
        t.SetServer(c.server);
        t.SetProxy(c.proxy);
        t.SetProxyOverride(c.bypass);
        const int16_t started = t.CheckUserOnServer(false, "u", "p", "");
        SCOPED_TRACE((c.server + " via " + c.proxy + " bypass " + c.bypass).toStdString());
        if (c.port < 0) {
            EXPECT_EQ(started, -1);
            EXPECT_EQ(t.Action(), 0);
            EXPECT_EQ(fresh.connectCalls, 0);
            continue;
        }
        EXPECT_EQ(started, 0);
        EXPECT_EQ(fresh.connectedHost, c.host);
        EXPECT_EQ(fresh.connectedPort, c.port);
    }
}

TEST_F(Transfer, AnswerWholeAndByteByByte) {
    for (const bool byteByByte : {false, true}) {
        replies.clear();
        startCheck();
        if (byteByByte) {
            for (char c : kGoodAnswer) {
                ASSERT_TRUE(replies.isEmpty());
                socket.deliver(QByteArray(1, c));
            }
        } else {
            socket.deliver(kGoodAnswer);
        }
        ASSERT_EQ(replies.size(), 1) << byteByByte;
        const clsReturnedData& d = replies[0];
        EXPECT_EQ(d.aAction, 1);
        EXPECT_EQ(d.iCheck, 0);
        EXPECT_FALSE(d.bServerError || d.bDecodeError || d.bProgramError);
        EXPECT_EQ(d.colAliases, (QStringList{"Head1", "head2"}));
        EXPECT_EQ(d.strReturnedData.toLatin1(), kGoodAnswer);
        EXPECT_EQ(transfer.Action(), 0);
        EXPECT_EQ(transfer.TotalToSend(), -1);
        EXPECT_FALSE(transfer.Connected());
        EXPECT_EQ(socket.state, ScriptedSocket::StateClosed);
        EXPECT_EQ(transfer.nAliases(), 2);
        EXPECT_EQ(transfer.nMaxAliases(), 3);
        EXPECT_EQ(transfer.strAliases(), (QStringList{"Head1", "head2"}));
        EXPECT_EQ(transfer.strAliasN(1), "head2");
        EXPECT_EQ(transfer.strAliasN(2), "");
        EXPECT_EQ(transfer.strAliasN(-1), "");
    }
    // Each request opened its own connection.
    EXPECT_EQ(socket.connectCalls, 2);
}

TEST_F(Transfer, StartingAnActionEmptiesTheAliasList) {
    startCheck();
    socket.deliver(kGoodAnswer);
    ASSERT_EQ(transfer.nAliases(), 2);
    startCheck();
    EXPECT_EQ(transfer.nAliases(), 0);
    EXPECT_EQ(transfer.nMaxAliases(), 0);
    EXPECT_EQ(transfer.strAliases(), QStringList{QString()});
}

TEST_F(Transfer, ASecondRequestIsRefusedWhileOneRuns) {
    startCheck();
    const QByteArray sent = socket.sent;
    EXPECT_EQ(transfer.DeleteMaskOnServer(false, "u", "p", "a"), -1);
    EXPECT_EQ(transfer.UploadDataOnServer(false, "u", "p", "", "a", "data"), -1);
    EXPECT_EQ(transfer.CheckUserOnServer(false, "u", "p", ""), -1);
    EXPECT_EQ(socket.sent, sent);
    EXPECT_EQ(socket.connectCalls, 1);
    EXPECT_EQ(transfer.Action(), 1);
    socket.deliver(kGoodAnswer);
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(replies[0].aAction, 1);
}

TEST_F(Transfer, ErrorAnswers) {
    const struct {
        QByteArray answer;
        int check;
    } cases[] = {
        {"HTTP/1.1 413 Request Entity Too Large\r\n\r\n", 5},
        {"HTTP/1.0 500 Internal Server Error\r\n\r\n", 2},
        {"HTTP/1.1 404 Not Found\r\n\r\n", 3},
        {"SSH-2.0-OpenSSH\r\n", 4},
    };
    for (const auto& c : cases) {
        replies.clear();
        startCheck();
        socket.deliver(c.answer);
        ASSERT_EQ(replies.size(), 1) << c.answer.constData();
        const clsReturnedData& d = replies[0];
        EXPECT_TRUE(d.bServerError);
        EXPECT_EQ(d.iCheck, c.check);
        EXPECT_EQ(d.aAction, 1);
        EXPECT_EQ(d.strReturnedData.toLatin1(), c.answer);
        EXPECT_TRUE(d.strDataError.startsWith("POST /Upload/CheckPassword.asp HTTP/1.0\r\n"));
        EXPECT_EQ(transfer.Action(), 0);
        EXPECT_EQ(socket.state, ScriptedSocket::StateClosed);
        // Whatever arrives afterwards answers nothing.
        socket.deliver("more");
        EXPECT_EQ(replies.size(), 1);
    }
    EXPECT_TRUE(storedServerError().isEmpty()) << "recording is off by default";
}

TEST_F(Transfer, AnswerLargerThanTheCapEndsAsNotHttp) {
    startCheck();
    socket.deliver("HTTP/1.1 200 OK\r\n\r\n");
    const QByteArray piece(64 * 1024, 'x');
    for (int i = 0; i < 17 && replies.isEmpty(); ++i)
        socket.deliver(piece);
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(replies[0].iCheck, 4);
    EXPECT_LE(replies[0].strReturnedData.size(), kAnswerCap + 1);
    EXPECT_EQ(transfer.Action(), 0);
}

TEST_F(Transfer, AnswerWithoutEndMarkerStaysOpen) {
    startCheck();
    socket.deliver("HTTP/1.1 200 OK\r\n\r\n###RETURNED DATA######STA:User Checked###;");
    socket.state = ScriptedSocket::StateClosed;
    emit socket.closed();
    EXPECT_TRUE(replies.isEmpty());
    EXPECT_EQ(transfer.Action(), 1) << "the owner's time-out ends it";
    transfer.TerminateTransfer();
    EXPECT_EQ(transfer.Action(), 0);
    EXPECT_EQ(transfer.TotalToSend(), -1);
}

TEST_F(Transfer, CancelLeavesTheSocketAndIgnoresTheLateAnswer) {
    startCheck();
    const int closes = socket.closeCalls;
    transfer.Cancel();
    EXPECT_EQ(transfer.Action(), 0);
    EXPECT_EQ(socket.closeCalls, closes);
    socket.deliver(kGoodAnswer);
    EXPECT_TRUE(replies.isEmpty());
}

TEST_F(Transfer, RecordsTheServerErrorWhenAskedTo) {
    storeServerErrors();
    startCheck();
    // The rest of the error page arrives while it is being collected.
    pumps = 0;
    duringPump = [this] {
        if (pumps == 1)
            socket.deliver("<h1>late part</h1>");
        if (pumps == 2)
            socket.incoming += "<p>unread part</p>";
        if (pumps == 3)
            socket.state = ScriptedSocket::StateClosed;
    };
    socket.deliver("HTTP/1.1 500 Internal Server Error\r\n\r\n<html>");
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(replies[0].iCheck, 2);
    EXPECT_EQ(replies[0].strReturnedData, "HTTP/1.1 500 Internal Server Error\r\n\r\n<html>");
    const QString stored = storedServerError();
    EXPECT_TRUE(stored.startsWith("At ")) << stored.toStdString();
    EXPECT_TRUE(stored.endsWith(" = HTTP/1.1 500 Internal Server Error\r\n\r\n<html>"
                                "<h1>late part</h1><p>unread part</p>"))
        << stored.toStdString();
    EXPECT_LT(nowMs, 1000);
}

TEST_F(Transfer, RecordedServerErrorIsCapped) {
    storeServerErrors();
    startCheck();
    duringPump = [this] { socket.incoming += QByteArray(32 * 1024, 'e'); };
    socket.deliver("HTTP/1.1 404 Not Found\r\n\r\n");
    ASSERT_EQ(replies.size(), 1);
    EXPECT_EQ(storedServerError().size(), kServerErrorCap);
    EXPECT_LE(nowMs, 1100) << "the collection ends after a second";
}

TEST_F(Transfer, OldConnectionThatNeverClosesSkipsTheConnect) {
    socket.state = ScriptedSocket::StateConnected;
    socket.closeLeavesOpen = true;
    EXPECT_EQ(transfer.CheckUserOnServer(false, "u", "p", ""), 0);
    EXPECT_EQ(socket.connectCalls, 0);
    EXPECT_EQ(transfer.Action(), 1);
    EXPECT_GE(nowMs, 2000);
    EXPECT_LE(nowMs, 2200);
}

TEST_F(Transfer, SentHeadKeepsTheFirst1000Characters) {
    ASSERT_EQ(transfer.UploadDataOnServer(false, "u", "p", "", "a", QByteArray(2000, 'z')), 0);
    socket.acceptConnection();
    EXPECT_EQ(transfer.SentHead(), QString::fromLatin1(socket.sent.first(1000)) + " ...");
}

TEST_F(Transfer, WithoutSocketNothingStarts) {
    clsTransfer t;
    t.SetServer("server.example");
    EXPECT_EQ(t.CheckUserOnServer(false, "u", "p", ""), -1);
    EXPECT_EQ(t.Action(), 0);
}
