#include "service/LoopbackHarness.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

namespace stoupe::service::loopback {

namespace {

void StopProcess(QProcess& process) {
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(1000);
}

// Everything the process has printed so far, gathered into `output`.
QString ReadLog(QProcess& process, QByteArray& output) {
    output += process.readAllStandardOutput();
    return QString::fromUtf8(output);
}

// tinyproxy's path, looked up on PATH and in /usr/sbin; empty when missing.
QString FindTinyproxy() {
    QString program = QStandardPaths::findExecutable(QStringLiteral("tinyproxy"));
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(QStringLiteral("tinyproxy"),
                                                 {QStringLiteral("/usr/sbin")});
    return program;
}

} // namespace

QString StageDir() {
    const QString fromEnvironment = qEnvironmentVariable("STOUPE_STAGE_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../stage");
}

quint16 FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
    return true;
}

// --- ServiceProcess ---

ServiceProcess::ServiceProcess(const QStringList& extraArguments) {
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(StageDir() + QStringLiteral("/vellamor-service"),
                    QStringList{QStringLiteral("--port"), QStringLiteral("0")} + extraArguments);
    static const QRegularExpression listening(
        QStringLiteral("listening on 127\\.0\\.0\\.1:(\\d+)"));
    WaitFor(
        [&] {
            const auto match = listening.match(log());
            if (match.hasMatch())
                m_port = match.captured(1).toUShort();
            return m_port != 0 || m_process.state() == QProcess::NotRunning;
        },
        10000);
}

ServiceProcess::~ServiceProcess() {
    StopProcess(m_process);
}

QString ServiceProcess::log() {
    return ReadLog(m_process, m_output);
}

QString ServiceProcess::passwordOf(const QString& user) {
    const QRegularExpression line(QStringLiteral("new account ") +
                                  QRegularExpression::escape(user) +
                                  QStringLiteral(" password (\\S+)"));
    QString password;
    WaitFor(
        [&] {
            const auto match = line.match(log());
            password = match.captured(1);
            return match.hasMatch();
        },
        3000);
    return password;
}

// --- ProxyProcess ---

bool ProxyProcess::Installed() {
    return !FindTinyproxy().isEmpty();
}

ProxyProcess::ProxyProcess() {
    const QString program = FindTinyproxy();
    if (program.isEmpty() || !m_dir.isValid())
        return;
    // The port was free when probed; another test may take it before tinyproxy
    // binds it, so a failed start is tried again on a new port.
    for (int attempt = 0; attempt < 3 && !m_started; ++attempt) {
        m_port = FreePort();
        const QString config = m_dir.filePath(QStringLiteral("tinyproxy.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        file.write(QStringLiteral("Port %1\n"
                                  "Listen 127.0.0.1\n"
                                  "Timeout 10\n"
                                  "MaxClients 20\n"
                                  "Allow 127.0.0.1\n"
                                  "LogLevel Info\n")
                       .arg(m_port)
                       .toUtf8());
        file.close();
        m_output.clear();
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program, {QStringLiteral("-d"), QStringLiteral("-c"), config});
        WaitFor(
            [&] {
                return log().contains(QStringLiteral("Accepting connections")) ||
                       m_process.state() == QProcess::NotRunning;
            },
            5000);
        m_started = m_process.state() == QProcess::Running &&
                    log().contains(QStringLiteral("Accepting connections"));
        if (!m_started) {
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }
}

ProxyProcess::~ProxyProcess() {
    StopProcess(m_process);
}

QString ProxyProcess::log() {
    return ReadLog(m_process, m_output);
}

// --- ScriptedServer ---

ScriptedServer::ScriptedServer(std::vector<Piece> answer, bool closeAfterAnswer)
    : m_answer(std::move(answer)), m_close(closeAfterAnswer) {
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedServer::accept);
}

void ScriptedServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        auto answered = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::readyRead, this, [=, this] {
            buffer->append(socket->readAll());
            const qsizetype headerEnd = buffer->indexOf("\r\n\r\n");
            if (*answered || headerEnd < 0)
                return;
            static const QRegularExpression length(
                QStringLiteral("(?mi)^Content-Length:\\s*(\\d+)"));
            const auto match = length.match(QString::fromLatin1(buffer->left(headerEnd + 2)));
            const qsizetype bodyLength = match.hasMatch() ? match.captured(1).toLongLong() : 0;
            if (buffer->size() < headerEnd + 4 + bodyLength)
                return;
            *answered = true;
            m_requests.push_back(*buffer);
            int at = 0;
            for (const Piece& piece : m_answer) {
                at += piece.delayMs;
                QTimer::singleShot(at, socket, [socket, bytes = piece.bytes] {
                    socket->write(bytes);
                    socket->flush();
                });
            }
            if (m_close)
                QTimer::singleShot(at + 1, socket, [socket] { socket->disconnectFromHost(); });
        });
    }
}

// --- TransferClient ---

TransferClient::TransferClient(const QString& server, const QString& proxy,
                               const QString& proxyOverride) {
    m_transfer.InitControl(new TcpTransferSocket(&m_transfer));
    m_transfer.SetServer(server);
    m_transfer.SetProxy(proxy);
    m_transfer.SetProxyOverride(proxyOverride);
    QObject::connect(&m_transfer, &clsTransfer::Replied, [this](const clsReturnedData& answer) {
        m_answer = answer;
        ++m_replies;
    });
}

std::optional<clsReturnedData>
TransferClient::Run(const std::function<int16_t(clsTransfer&)>& start, int timeoutMs) {
    m_answer.reset();
    if (start(m_transfer) != 0)
        return std::nullopt;
    if (!WaitFor([&] { return m_answer.has_value(); }, timeoutMs))
        m_transfer.TerminateTransfer();
    return m_answer;
}

std::optional<clsReturnedData> TransferClient::Check(const QString& user, const QString& password,
                                                     bool newUser) {
    return Run([&](clsTransfer& t) { return t.CheckUserOnServer(newUser, user, password, {}); });
}

std::optional<clsReturnedData> TransferClient::Delete(const QString& user, const QString& password,
                                                      const QString& alias) {
    return Run([&](clsTransfer& t) { return t.DeleteMaskOnServer(false, user, password, alias); });
}

std::optional<clsReturnedData> TransferClient::Upload(const QString& user, const QString& password,
                                                      const QString& alias, bool newUser,
                                                      const QByteArray& data) {
    return Run([&](clsTransfer& t) {
        return t.UploadDataOnServer(newUser, user, password, {}, alias, data);
    });
}

} // namespace stoupe::service::loopback
