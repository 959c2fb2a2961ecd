#include "transfer/ServerRequests.h"
#include "transfer/TcpTransferSocket.h"
#include "transfer/clsTransfer.h"
#include "update/TempSettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

using namespace stoupe;

// The product's socket against a bare loopback server: the request arrives
// byte for byte, progress and completion are reported, and an answer split
// into pieces is answered once.
TEST(TcpTransferSocket, CarriesARequestAndItsAnswer) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    QCoreApplication app(argc, argv);
    stoupe::test::TempSettingsStore store;

    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString address = QStringLiteral("127.0.0.1:%1").arg(server.serverPort());
    const QByteArray expected =
        BuildCheckUserRequest({address, false}, true, "ann@example.com", "ann@example.com");
    QByteArray received;
    QTcpSocket* peer = nullptr;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        peer = server.nextPendingConnection();
        QObject::connect(peer, &QTcpSocket::readyRead, [&] {
            received += peer->readAll();
            if (received.size() == expected.size()) {
                peer->write("HTTP/1.1 200 OK\r\n\r\n###RETURNED DATA######STA:User");
                peer->flush();
                peer->write(" Checked###;###DATA TRANSFER COMPLETE###");
            }
        });
    });

    TcpTransferSocket socket;
    clsTransfer transfer;
    transfer.InitControl(&socket);
    transfer.SetServer(address);
    int replies = 0;
    clsReturnedData reply;
    QObject::connect(&transfer, &clsTransfer::Replied, [&](const clsReturnedData& d) {
        ++replies;
        reply = d;
    });
    qint64 progress = 0;
    int completions = 0;
    QObject::connect(&socket, &TransferSocket::sendProgress,
                     [&](qint64 sent, qint64) { progress += sent; });
    QObject::connect(&socket, &TransferSocket::sendComplete, [&] { ++completions; });
    ASSERT_EQ(transfer.CheckUserOnServer(true, "ann@example.com", "ann@example.com", ""), 0);
    QElapsedTimer timer;
    timer.start();
    while (replies == 0 && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    EXPECT_EQ(received, expected);
    ASSERT_EQ(replies, 1);
    EXPECT_EQ(reply.aAction, 1);
    EXPECT_FALSE(reply.bServerError || reply.bDecodeError);
    EXPECT_EQ(reply.nResponseType, 0);
    EXPECT_EQ(progress, expected.size());
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(transfer.Action(), 0);
    EXPECT_EQ(socket.State(), TransferSocket::StateClosed);
}
