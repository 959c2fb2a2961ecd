// The wizard's transport against vellamor-service over loopback: the account
// conversation of a submission, and requests the service must survive.

#include "service/LoopbackHarness.h"
#include "service/VariantEncoding.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace stoupe;
using namespace stoupe::service::loopback;
using stoupe::service::fixtures::Acquisition;

namespace {

QByteArray AcquisitionBytes(size_t size = 20000) {
    const std::string bytes = Acquisition(size, '\x3C');
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Sends raw bytes and returns whatever comes back before the peer closes or
// `waitMs` pass.
QByteArray RawExchange(quint16 port, const QByteArray& bytes, int waitMs = 3000) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(3000))
        return "not connected";
    socket.write(bytes);
    QByteArray answer;
    WaitFor(
        [&] {
            answer += socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        },
        waitMs);
    return answer + socket.readAll();
}

} // namespace

TEST(ServiceLoopback, NewAccountThenExistingAccountConversation) {
    ServiceProcess service({QStringLiteral("--max-heads"), QStringLiteral("2")});
    ASSERT_TRUE(service.started()) << service.log().toStdString();
    TransferClient client(service.server());
    const QString user = QStringLiteral("ann@example.com");

    auto answer = client.Check(user, user, true);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->aAction, 1);
    EXPECT_FALSE(answer->bServerError || answer->bDecodeError || answer->bNotNew);
    EXPECT_EQ(answer->nResponseType, 0);
    EXPECT_TRUE(answer->colAliases.isEmpty());
    EXPECT_EQ(answer->intMaxAliases, 2);

    answer = client.Upload(user, user, QStringLiteral("First"), true, AcquisitionBytes());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->aAction, 4); // the whole upload was sent before the answer
    EXPECT_EQ(answer->nResponseType, 2);
    EXPECT_EQ(answer->colAliases, QStringList{QStringLiteral("First")});
    const QString password = service.passwordOf(user);
    ASSERT_FALSE(password.isEmpty()) << service.log().toStdString();

    answer = client.Check(user, user, true);
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->bNotNew);
    answer = client.Check(user, password + QStringLiteral("x"), false);
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->bNotExisting);

    answer = client.Upload(user, password, QStringLiteral("Second"), false, AcquisitionBytes(5000));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->nResponseType, 2);
    EXPECT_EQ(answer->colAliases, (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
    // The transport keeps the list of the last good answer.
    EXPECT_EQ(client.transfer().nAliases(), 2);
    EXPECT_EQ(client.transfer().nMaxAliases(), 2);
    EXPECT_EQ(client.transfer().strAliasN(1), QStringLiteral("Second"));
    EXPECT_EQ(client.repliesSeen(), 5);
}

TEST(ServiceLoopback, FullAccountDeletesBeforeItUploads) {
    ServiceProcess service({QStringLiteral("--max-heads"), QStringLiteral("1")});
    ASSERT_TRUE(service.started()) << service.log().toStdString();
    TransferClient client(service.server());
    const QString user = QStringLiteral("bo@example.com");
    ASSERT_TRUE(client.Upload(user, user, QStringLiteral("old"), true, AcquisitionBytes()));
    const QString password = service.passwordOf(user);

    auto answer = client.Check(user, password, false);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->colAliases, QStringList{QStringLiteral("old")});
    EXPECT_EQ(answer->intMaxAliases, 1);

    answer = client.Upload(user, password, QStringLiteral("new"), false, AcquisitionBytes());
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->bCouldntAdd);

    answer = client.Delete(user, password, QStringLiteral("missing"));
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->bCouldntDelete);

    answer = client.Delete(user, password, QStringLiteral("old"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->aAction, 2);
    EXPECT_EQ(answer->nResponseType, 1);
    EXPECT_TRUE(answer->colAliases.isEmpty());

    answer = client.Upload(user, password, QStringLiteral("new"), false, AcquisitionBytes());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->nResponseType, 2);
    EXPECT_EQ(answer->colAliases, QStringList{QStringLiteral("new")});
}

TEST(ServiceLoopback, DamagedAcquisitionIsRefusedAndCreatesNoAccount) {
    ServiceProcess service;
    ASSERT_TRUE(service.started()) << service.log().toStdString();
    TransferClient client(service.server());
    const QString user = QStringLiteral("cy@example.com");
    QByteArray damaged = AcquisitionBytes();
    damaged[10000] = static_cast<char>(damaged[10000] ^ 0x01);

    auto answer = client.Upload(user, user, QStringLiteral("a"), true, damaged);
    ASSERT_TRUE(answer);
    EXPECT_TRUE(answer->bCRCError);
    EXPECT_NE(answer->nResponseType, 2);
    answer = client.Check(user, user, true);
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->bNotNew);
    EXPECT_FALSE(service.log().contains(QStringLiteral("new account ") + user));
}

TEST(ServiceLoopback, SurvivesRequestsThatAreNotTheProtocol) {
    ServiceProcess service;
    ASSERT_TRUE(service.started()) << service.log().toStdString();
    const QList<QByteArray> hostile = {
        QByteArray(1, '\0') + "\x01\x02 garbage\r\n\r\n",
        "GET /" + QByteArray(100000, 'a') + " HTTP/1.0\r\n\r\n",
        "GET http://" + QByteArray(8100, 'h') + "/Upload/CheckPassword.asp HTTP/1.0\r\n\r\n",
        "POST /Upload/UploadZAV.asp HTTP/1.0\r\nContent-Length: 12\r\n\r\n***\r\n***\r\n$$",
        "POST /Upload/CheckPassword.asp HTTP/1.0\r\nContent-Length: 5\r\n\r\nab",
        "POST /Upload/DeleteVell.asp HTTP/1.0\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n",
        "POST /AutoUpdate/GetVersionsForZUB.asp HTTP/1.0\r\nContent-Length: 9\r\n\r\n0=0&1=%%%",
    };
    for (const QByteArray& request : hostile)
        RawExchange(service.port(), request, 300);

    // Still answering, and in both target forms, without a Host header.
    const QByteArray answer = RawExchange(
        service.port(), "POST http://anything.invalid/Upload/CheckPassword.asp HTTP/1.0\r\n"
                        "Content-Length: 0\r\n\r\n");
    EXPECT_TRUE(answer.startsWith("HTTP/1.1 200 OK")) << answer.toStdString();
    EXPECT_TRUE(answer.endsWith(
        "###RETURNED DATA######ERR:No data sent to server###;###DATA TRANSFER COMPLETE###"));
    const QByteArray page = RawExchange(
        service.port(), "GET /AutoUpdate/GetVersionsForZUB.asp?0=5&1=Lang%5cEN%5cTextCore.dll"
                        "&2=1&3=2&4=53&5=0 HTTP/1.0\r\n\r\n");
    EXPECT_TRUE(page.contains("<td>Lang\\EN\\TextCore.dll</td><td>1</td><td>2</td><td>53</td>"))
        << page.toStdString();
    EXPECT_TRUE(
        RawExchange(service.port(), "GET /start/_mem/forgotpass.asp?flash=ok&cn=x HTTP/1.0\r\n\r\n")
            .startsWith("HTTP/1.1 200 OK"));
}
