#pragma once

// What the loopback tests share: vellamor-service and tinyproxy run as child
// processes on 127.0.0.1, a scripted HTTP server of the test's own, and one
// request sent through clsTransfer over a real socket. Everything waits with
// a bound and only on loopback addresses.

#include "transfer/TcpTransferSocket.h"
#include "transfer/clsReturnedData.h"
#include "transfer/clsTransfer.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace stoupe::service::loopback {

// The folder with the built executables (vellamor-service, stoupe-request).
QString StageDir();

// A port on 127.0.0.1 that was free a moment ago.
quint16 FreePort();

// Runs the event loop until `done` holds or `timeoutMs` passed; returns done().
bool WaitFor(const std::function<bool()>& done, int timeoutMs);

// vellamor-service on 127.0.0.1, on a port of its own choosing.
class ServiceProcess {
public:
    explicit ServiceProcess(const QStringList& extraArguments = {});
    ~ServiceProcess();

    bool started() const { return m_port != 0; }
    quint16 port() const { return m_port; }
    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    // Everything the service logged so far.
    QString log();
    // The password the service gave a new account, from its log.
    QString passwordOf(const QString& user);

private:
    QProcess m_process;
    QByteArray m_output;
    quint16 m_port = 0;
};

// tinyproxy on a free loopback port with its own configuration in a temporary
// folder; its log tells which requests it handled.
class ProxyProcess {
public:
    static bool Installed();
    ProxyProcess();
    ~ProxyProcess();

    bool started() const { return m_started; }
    QString proxy() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString log();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_output;
    quint16 m_port = 0;
    bool m_started = false;
};

// An HTTP server of the test's own: it reads one whole request (headers and
// Content-Length bytes), keeps it, then writes the scripted pieces of its
// answer one after the other and closes or keeps the connection open.
class ScriptedServer : public QObject {
public:
    struct Piece {
        QByteArray bytes;
        int delayMs = 0; // before the piece is written
    };
    ScriptedServer(std::vector<Piece> answer, bool closeAfterAnswer);

    quint16 port() const { return m_server.serverPort(); }
    QString server() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }
    // The requests received so far, each in full.
    const std::vector<QByteArray>& requests() const { return m_requests; }

private:
    void accept();

    QTcpServer m_server;
    std::vector<Piece> m_answer;
    bool m_close;
    std::vector<QByteArray> m_requests;
};

// clsTransfer over a real socket, driven the way the wizard drives it.
class TransferClient {
public:
    TransferClient(const QString& server, const QString& proxy = {},
                   const QString& proxyOverride = {});

    clsTransfer& transfer() { return m_transfer; }

    // Starts a request with `start` (which returns the request's start result)
    // and waits up to `timeoutMs` for Replied. nullopt: not started or no
    // answer in time; the transfer is then ended as the owner's time-out would.
    std::optional<clsReturnedData> Run(const std::function<int16_t(clsTransfer&)>& start,
                                       int timeoutMs = 10000);
    std::optional<clsReturnedData> Check(const QString& user, const QString& password,
                                         bool newUser);
    std::optional<clsReturnedData> Delete(const QString& user, const QString& password,
                                          const QString& alias);
    std::optional<clsReturnedData> Upload(const QString& user, const QString& password,
                                          const QString& alias, bool newUser,
                                          const QByteArray& data);
    int repliesSeen() const { return m_replies; }

private:
    clsTransfer m_transfer;
    std::optional<clsReturnedData> m_answer;
    int m_replies = 0;
};

} // namespace stoupe::service::loopback
