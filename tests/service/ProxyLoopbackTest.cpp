// The transport through a real HTTP proxy (tinyproxy) on loopback, and the
// bypass list that sends the connection straight to the server.

#include "service/LoopbackHarness.h"

#include <gtest/gtest.h>

using namespace stoupe;
using namespace stoupe::service::loopback;

namespace {

const std::vector<ScriptedServer::Piece> kCheckedAnswer = {
    {"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n###RETURNED DATA######STA:User "
     "Checked###;###MAX:3###;###DATA TRANSFER COMPLETE###"}};

class ProxyLoopback : public ::testing::Test {
protected:
    void SetUp() override {
        if (!ProxyProcess::Installed())
            GTEST_SKIP() << "tinyproxy is not installed (Debian package tinyproxy)";
        proxy = std::make_unique<ProxyProcess>();
        ASSERT_TRUE(proxy->started()) << proxy->log().toStdString();
    }
    std::unique_ptr<ProxyProcess> proxy;
};

} // namespace

TEST_F(ProxyLoopback, RequestTravelsThroughTheProxyInAbsoluteForm) {
    ServiceProcess service;
    ASSERT_TRUE(service.started()) << service.log().toStdString();
    TransferClient client(service.server(), proxy->proxy(), QStringLiteral("elsewhere.invalid"));

    const auto answer =
        client.Check(QStringLiteral("ann@example.com"), QStringLiteral("ann@example.com"), true);
    ASSERT_TRUE(answer) << proxy->log().toStdString();
    EXPECT_FALSE(answer->bServerError);
    EXPECT_EQ(answer->intMaxAliases, 3);
    const QString line =
        QStringLiteral("POST http://%1/Upload/CheckPassword.asp HTTP/1.0").arg(service.server());
    EXPECT_TRUE(WaitFor([&] { return proxy->log().contains(line); }, 2000))
        << proxy->log().toStdString();
}

TEST_F(ProxyLoopback, OriginSeesTheProxysForwardedRequest) {
    ScriptedServer origin(kCheckedAnswer, true);
    TransferClient client(origin.server(), proxy->proxy());
    ASSERT_TRUE(client.Check(QStringLiteral("a@b.c"), QStringLiteral("pw"), false));
    ASSERT_EQ(origin.requests().size(), 1u);
    const QByteArray& request = origin.requests().front();
    // The proxy turned the absolute form into the origin form and said so.
    EXPECT_TRUE(request.startsWith("POST /Upload/CheckPassword.asp HTTP/1."))
        << request.toStdString();
    EXPECT_TRUE(request.contains("tinyproxy")) << request.toStdString();
}

TEST_F(ProxyLoopback, BypassListConnectsStraightToTheServer) {
    ScriptedServer origin(kCheckedAnswer, true);
    // A plain substring test on "name;": other entries around it do not matter.
    TransferClient client(origin.server(), proxy->proxy(),
                          QStringLiteral("*.example.com;") + origin.server().toUpper() +
                              QStringLiteral(";<local>"));
    ASSERT_TRUE(client.Check(QStringLiteral("a@b.c"), QStringLiteral("pw"), false));
    ASSERT_EQ(origin.requests().size(), 1u);
    const QByteArray& request = origin.requests().front();
    // Straight from the transport: still the absolute form, no proxy header.
    EXPECT_TRUE(request.startsWith("POST http://" + origin.server().toLatin1() +
                                   "/Upload/CheckPassword.asp HTTP/1.0\r\n"))
        << request.toStdString();
    EXPECT_FALSE(request.contains("tinyproxy"));
    EXPECT_FALSE(proxy->log().contains(QStringLiteral("Request (file descriptor")));
}

TEST_F(ProxyLoopback, BypassedAbsoluteFormIsAnsweredByTheService) {
    ServiceProcess service;
    ASSERT_TRUE(service.started()) << service.log().toStdString();
    TransferClient client(service.server(), proxy->proxy(), service.server());
    const auto answer =
        client.Check(QStringLiteral("ann@example.com"), QStringLiteral("ann@example.com"), true);
    ASSERT_TRUE(answer);
    EXPECT_FALSE(answer->bServerError);
    EXPECT_EQ(answer->nResponseType, 0);
    EXPECT_EQ(answer->intMaxAliases, 3);
}
