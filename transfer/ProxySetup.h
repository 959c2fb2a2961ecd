#pragma once

// How the transport connects: the proxy-control value of a submission.
//   "-"        no proxy, no bypass list
//   "--"       the system settings (Registry key
//              "software\microsoft\windows\currentversion\internet settings":
//              ProxyEnable, ProxyServer, ProxyOverride; from http_proxy /
//              no_proxy when the store lacks that key)
//   otherwise  the value itself is the proxy (host[:port]); the bypass list
//              still comes from the system settings
//
//   ProxySettings s = ReadProxySettings("--");
//   ApplyProxySetup(transfer, "--");        // sets SetProxy and SetProxyOverride

#include "update/Registry.h"

#include <QString>

namespace stoupe {

class clsTransfer;

struct ProxySettings {
    QString proxy;    // empty: connect directly
    QString override; // bypass list, names separated by ";"
};

ProxySettings ReadProxySettings(const QString& proxyControl);
void ApplyProxySetup(clsTransfer& transfer, const QString& proxyControl);

// The proxy for http out of a ProxyServer value ("host:port" or a
// per-protocol list such as "ftp=f:21;http=p:3128").
QString ProxyFromProxyServer(const QString& proxyServer);

} // namespace stoupe
