#include "transfer/ProxySetup.h"

#include "transfer/clsTransfer.h"

namespace stoupe {

namespace {

bool proxyEnabled(const RegistryValue& value) {
    if (value.isNumber())
        return value.number() != 0;
    if (value.isBytes()) {
        const QByteArray bytes = value.bytes();
        return std::any_of(bytes.begin(), bytes.end(), [](char b) { return b != 0; });
    }
    return false;
}

} // namespace

QString ProxyFromProxyServer(const QString& proxyServer) {
    if (!proxyServer.toLower().contains(QLatin1String("http=")))
        return proxyServer;
    const QString wrapped = u';' + proxyServer + u';';
    const qsizetype at = wrapped.toLower().indexOf(QLatin1String(";http="));
    if (at < 0)
        return QString();
    const qsizetype start = at + 6;
    const qsizetype end = wrapped.indexOf(u';', start);
    return wrapped.mid(start, end - start);
}

ProxySettings ReadProxySettings(const QString& proxyControl) {
    ProxySettings settings;
    if (proxyControl == QLatin1String("-"))
        return settings;

    Registry system;
    system.RO(true);
    system.UserKeyName(QString::fromLatin1(kInternetSettingsKey));
    if (proxyControl == QLatin1String("--")) {
        if (proxyEnabled(system.QueryValue(QStringLiteral("ProxyEnable"))))
            settings.proxy =
                ProxyFromProxyServer(system.QueryValue(QStringLiteral("ProxyServer")).text());
    } else {
        settings.proxy = proxyControl;
    }
    settings.override = system.QueryValue(QStringLiteral("ProxyOverride")).text();
    return settings;
}

void ApplyProxySetup(clsTransfer& transfer, const QString& proxyControl) {
    const ProxySettings settings = ReadProxySettings(proxyControl);
    transfer.SetProxy(settings.proxy);
    transfer.SetProxyOverride(settings.override);
}

} // namespace stoupe
