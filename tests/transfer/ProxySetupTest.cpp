#include "transfer/ProxySetup.h"
#include "transfer/clsTransfer.h"
#include "update/TempSettingsStore.h"

#include <gtest/gtest.h>

using namespace stoupe;

namespace {

QByteArray internetSettings(const QByteArray& values) {
    return "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
           "Settings]\r\n" +
           values;
}

} // namespace

TEST(ProxySetup, ProxyServerValue) {
    const struct {
        QString value, proxy;
    } cases[] = {
        {"proxyhost:8080", "proxyhost:8080"},
        {"ftp=f1:21;HTTP=p1:3128;https=p2:443", "p1:3128"},
        {"http=p1:3128", "p1:3128"},
        {"https=p2:443", "https=p2:443"}, // no "http=" in it: the whole text
        {"ftp=f1:21;xhttp=p1:1", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProxyFromProxyServer(c.value), c.proxy) << c.value.toStdString();
}

TEST(ProxySetup, SystemSettings) {
    const struct {
        QByteArray values;
        QString proxy, override;
    } cases[] = {
        {"\"ProxyEnable\"=dword:00000001\r\n\"ProxyServer\"=\"proxyhost:8080\"\r\n"
         "\"ProxyOverride\"=\"*.local;<local>\"\r\n",
         "proxyhost:8080", "*.local;<local>"},
        {"\"ProxyEnable\"=dword:00000000\r\n\"ProxyServer\"=\"proxyhost:8080\"\r\n"
         "\"ProxyOverride\"=\"a;b\"\r\n",
         "", "a;b"},
        {"\"ProxyEnable\"=hex:00,00,01,00\r\n\"ProxyServer\"=\"p:1\"\r\n", "p:1", ""},
        {"\"ProxyEnable\"=hex:00,00\r\n\"ProxyServer\"=\"p:1\"\r\n", "", ""},
        {"\"ProxyEnable\"=\"1\"\r\n\"ProxyServer\"=\"p:1\"\r\n", "", ""},
        {"\"ProxyEnable\"=dword:00000001\r\n", "", ""},
    };
    for (const auto& c : cases) {
        stoupe::test::TempSettingsStore store;
        store.write(internetSettings(c.values));
        const ProxySettings s = ReadProxySettings("--");
        EXPECT_EQ(s.proxy, c.proxy) << c.values.constData();
        EXPECT_EQ(s.override, c.override) << c.values.constData();
    }
}

TEST(ProxySetup, ControlValues) {
    stoupe::test::TempSettingsStore store;
    store.write(internetSettings("\"ProxyEnable\"=dword:00000001\r\n\"ProxyServer\"=\"sys:1\"\r\n"
                                 "\"ProxyOverride\"=\"server.example\"\r\n"));
    clsTransfer transfer;
    ApplyProxySetup(transfer, "-");
    EXPECT_EQ(transfer.SetProxy(), "");
    EXPECT_EQ(transfer.SetProxyOverride(), "");
    ApplyProxySetup(transfer, "mine:3128");
    EXPECT_EQ(transfer.SetProxy(), "mine:3128");
    EXPECT_EQ(transfer.SetProxyOverride(), "server.example");
    ApplyProxySetup(transfer, "--");
    EXPECT_EQ(transfer.SetProxy(), "sys:1");
}

TEST(ProxySetup, FromTheEnvironmentWhenTheStoreHasNoKey) {
    stoupe::test::TempSettingsStore store;
    qputenv("http_proxy", "http://user:pw@proxy.example:3128/");
    qputenv("no_proxy", "localhost, .corp.example,,127.0.0.1");
    ProxySettings s = ReadProxySettings("--");
    EXPECT_EQ(s.proxy, "proxy.example:3128");
    EXPECT_EQ(s.override, "localhost;.corp.example;127.0.0.1");

    qunsetenv("http_proxy");
    qputenv("HTTP_PROXY", "proxy2:8080");
    EXPECT_EQ(ReadProxySettings("--").proxy, "proxy2:8080");

    // The store's own key wins over the environment.
    store.write(internetSettings("\"ProxyEnable\"=dword:00000000\r\n"));
    s = ReadProxySettings("--");
    EXPECT_EQ(s.proxy, "");
    EXPECT_EQ(s.override, "");
}
