#include "transfer/clsTransfer.h"

#include "app/AnsiCodePage.h"
#include "transfer/ServerRequests.h"
#include "transfer/TransferSocket.h"
#include "update/Registry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QThread>
#include <cmath>
#include <limits>
#include <memory>

namespace stoupe {

namespace {

constexpr qint64 kConnectWaitMs = 2000;
constexpr qint64 kErrorCollectMs = 1000;
constexpr qsizetype kSentHeadLength = 1000;

// The port of a "host:port" text: the number after the colon, rounded to an
// integer; 0 when it is no usable port.
quint16 parsePort(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    qsizetype end = i;
    while (end < text.size() && (text[end].isDigit() || text[end] == u'.'))
        ++end;
    bool ok = false;
    const double value = text.sliced(i, end - i).toDouble(&ok);
    if (!ok)
        return 0;
    const double rounded = std::nearbyint(value); // halves to the even number
    if (rounded < 1 || rounded > 65535)
        return 0;
    return static_cast<quint16>(rounded);
}

// Appends without letting the buffer grow beyond cap + 1 bytes: one byte over
// the cap is enough for the reply check to reject the answer.
void appendCapped(QByteArray& buffer, const QByteArray& data, qsizetype cap) {
    const qsizetype room = cap + 1 - buffer.size();
    if (room > 0)
        buffer.append(data.constData(), std::min(room, data.size()));
}

} // namespace

TransferWaits TransferWaits::realTime() {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    return {[clock] { return clock->elapsed(); },
            [] {
                QCoreApplication::processEvents(QEventLoop::AllEvents);
                QThread::msleep(5);
            }};
}

clsTransfer::clsTransfer(QObject* parent) : QObject(parent), m_waits(TransferWaits::realTime()) {}

clsTransfer::~clsTransfer() {
    closeSocket();
}

void clsTransfer::SetWaits(TransferWaits waits) {
    m_waits = std::move(waits);
}

void clsTransfer::InitControl(TransferSocket* winCtl) {
    if (m_socket)
        disconnect(m_socket, nullptr, this, nullptr);
    m_socket = winCtl;
    if (!winCtl)
        return;
    connect(winCtl, &TransferSocket::connected, this, &clsTransfer::Winsock_Connected);
    connect(winCtl, &TransferSocket::dataArrived, this, &clsTransfer::Winsock_DataArrival_Event);
    connect(winCtl, &TransferSocket::sendProgress, this, &clsTransfer::Winsock_SendProgress);
    connect(winCtl, &TransferSocket::sendComplete, this, &clsTransfer::Winsock_SendComplete);
    connect(winCtl, &TransferSocket::closed, this, &clsTransfer::Winsock_Close);
}

void clsTransfer::Cancel() {
    m_action = 0;
}

void clsTransfer::TerminateTransfer() {
    try {
        const bool running = m_action != 0;
        closeSocket();
        if (running)
            resetTransferState();
    } catch (...) {
    }
}

float clsTransfer::PcentDone() const {
    if (m_totalToSend <= 0)
        return 0.0f;
    return static_cast<float>(m_amountSent) / static_cast<float>(m_totalToSend);
}

QString clsTransfer::strAliasN(int16_t index) const {
    if (index < 0 || index >= m_aliases.size())
        return QString();
    return m_aliases.at(index);
}

int16_t clsTransfer::CheckUserOnServer(bool bNewUser, const QString& strUsername,
                                       const QString& strPassword, const QString&) {
    if (m_action != 0)
        return -1;
    try {
        return startAction(1, BuildCheckUserRequest({m_server, !m_proxy.isEmpty()}, bNewUser,
                                                    strUsername, strPassword))
                   ? 0
                   : -1;
    } catch (...) {
        return -1;
    }
}

int16_t clsTransfer::DeleteMaskOnServer(bool bNewUser, const QString& strUsername,
                                        const QString& strPassword, const QString& strVellAlias) {
    if (m_action != 0)
        return -1;
    try {
        return startAction(2, BuildDeleteMaskRequest({m_server, !m_proxy.isEmpty()}, bNewUser,
                                                     strUsername, strPassword, strVellAlias))
                   ? 0
                   : -1;
    } catch (...) {
        return -1;
    }
}

int16_t clsTransfer::UploadDataOnServer(bool bNewUser, const QString& strUsername,
                                        const QString& strPassword, const QString& strReferrer,
                                        const QString& strVellAlias, QByteArrayView byteData) {
    if (m_action != 0)
        return -1;
    try {
        return startAction(3,
                           BuildUploadRequest({m_server, !m_proxy.isEmpty()}, bNewUser, strUsername,
                                              strPassword, strReferrer, strVellAlias, byteData))
                   ? 0
                   : -1;
    } catch (...) {
        return -1;
    }
}

bool clsTransfer::startAction(int32_t action, QByteArray request) {
    if (request.size() > std::numeric_limits<int32_t>::max())
        return false;
    try {
        ++m_generation;
        emptyAliases();
        m_received.clear();
        m_checker.reset();
        m_totalToSend = static_cast<int32_t>(request.size());
        m_amountSent = 0;
        m_request = std::move(request);
        // The action is set before the socket is touched, so that a socket
        // reporting at once finds it running.
        m_action = action;
        if (m_connected) {
            if (m_socket && m_socket->State() == TransferSocket::StateConnected) {
                sendRequest();
                return true;
            }
            m_connected = false;
            resetTransferState();
            return false;
        }
        if (!openConnection()) {
            resetTransferState();
            return false;
        }
        return true;
    } catch (...) {
        TerminateTransfer();
        return false;
    }
}

bool clsTransfer::openConnection() {
    try {
        if (!m_socket)
            return false;
        if (m_socket->State() != TransferSocket::StateClosed)
            m_socket->Close();
        const qint64 deadline = m_waits.nowMs() + kConnectWaitMs;
        for (;;) {
            m_waits.letEventsRun();
            if (!m_socket)
                return false;
            if (m_waits.nowMs() > deadline)
                return true; // the old connection never closed: no connect, no error
            if (m_socket->State() == TransferSocket::StateClosed)
                break;
        }

        QString target = m_server;
        if (!m_proxy.isEmpty()) {
            const QString bypass = m_proxyOverride.toLower() + u';';
            if (!bypass.contains(m_server.toLower() + u';'))
                target = m_proxy;
        }
        QString host = target;
        quint16 port = 80;
        const qsizetype colon = target.indexOf(u':');
        if (colon >= 1) {
            host = target.first(colon);
            port = parsePort(QStringView(target).sliced(colon + 1));
            if (port == 0)
                return false;
        }
        if (host.isEmpty())
            return false;
        m_socket->Connect(host, port);
        return true;
    } catch (...) {
        return false;
    }
}

void clsTransfer::sendRequest() {
    m_sentHead =
        fromAnsi(QByteArrayView(m_request).first(std::min(m_request.size(), kSentHeadLength)));
    if (m_request.size() > kSentHeadLength)
        m_sentHead += QStringLiteral(" ...");
    const QByteArray request = std::move(m_request);
    m_request.clear();
    m_socket->SendData(request);
}

void clsTransfer::Winsock_Connected() {
    if (m_socket && m_socket->State() == TransferSocket::StateConnected)
        m_connected = true;
    if (m_socket && !m_request.isEmpty() && m_action != 0)
        sendRequest();
}

void clsTransfer::Winsock_Close() {
    m_connected = false;
}

void clsTransfer::Winsock_SendProgress(qint64 bytesSent, qint64) {
    const qint64 total = qint64(m_amountSent) + bytesSent;
    m_amountSent =
        static_cast<int32_t>(std::clamp<qint64>(total, 0, std::numeric_limits<int32_t>::max()));
}

void clsTransfer::Winsock_SendComplete() {
    if (m_action == 3)
        m_action = 4;
}

void clsTransfer::Winsock_DataArrival_Event(qint64) {
    if (!m_socket)
        return;
    if (m_divert) {
        appendCapped(m_divertBuffer, m_socket->GetData(), kAnswerCap);
        return;
    }
    const QByteArray data = m_socket->GetData();
    // Data with no action running (after the answer was handled, or after a
    // Cancel) answers nothing.
    if (m_action == 0)
        return;
    const int32_t action = m_action;
    const quint64 generation = m_generation;
    clsReturnedData reply;
    try {
        appendCapped(m_received, data, kAnswerCap);
        const int result = m_checker.Check(m_received);
        if (result == 0)
            return;
        if (result == 1) {
            reply.iCheck = 0;
            reply.Parse(fromAnsi(m_received));
            if (!reply.bDecodeError)
                takeAliases(reply);
            reply.aAction = action;
            resetTransferState();
            closeSocket();
        } else {
            const QByteArray answer = m_received;
            recordServerError();
            closeSocket();
            reply.bServerError = true;
            reply.iCheck = static_cast<int16_t>(result);
            reply.strReturnedData = fromAnsi(answer);
            reply.strDataError = m_sentHead;
            reply.aAction = action;
            // Events ran while the answer was recorded: when the owner already
            // started another request, this answer no longer concerns it.
            if (generation != m_generation)
                return;
            TerminateTransfer();
        }
    } catch (...) {
        reply = clsReturnedData();
        reply.aAction = action;
        reply.bProgramError = true;
        reply.strReturnedData = fromAnsi(m_received);
        reply.strDataError = m_sentHead;
        TerminateTransfer();
    }
    emit Replied(reply);
}

void clsTransfer::recordServerError() {
    try {
        Registry settings;
        settings.RO(true);
        settings.UserKeyName(QString::fromLatin1(kProgramKey));
        const auto store = settings.QueryValue(QStringLiteral("StoreServerError")).toInt16();
        if (!store || *store <= 0)
            return;

        m_divert = true;
        QByteArray answer = m_received;
        const qint64 deadline = m_waits.nowMs() + kErrorCollectMs;
        while (m_socket && m_socket->State() != TransferSocket::StateClosed &&
               m_waits.nowMs() < deadline) {
            m_waits.letEventsRun();
            appendCapped(answer, m_divertBuffer, kServerErrorCap);
            m_divertBuffer.clear();
            if (m_socket)
                appendCapped(answer, m_socket->GetData(), kServerErrorCap);
        }
        QString text =
            QStringLiteral("At ") +
            QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat) +
            QStringLiteral(" = ") + fromAnsi(answer);
        text.truncate(kServerErrorCap);

        Registry writer;
        writer.UserKeyName(QString::fromLatin1(kProgramKey));
        writer.SaveValueSz(QStringLiteral("ServerError"), text);
    } catch (...) {
    }
    m_divert = false;
    m_divertBuffer.clear();
}

void clsTransfer::takeAliases(const clsReturnedData& data) {
    const qsizetype count =
        std::min<qsizetype>(data.colAliases.size(), std::numeric_limits<int16_t>::max());
    m_nAliases = static_cast<int16_t>(count);
    m_nMaxAliases = data.intMaxAliases;
    if (count > 0)
        m_aliases = data.colAliases.mid(0, count);
    else
        m_aliases = QStringList{QString()};
}

void clsTransfer::emptyAliases() {
    m_nAliases = 0;
    m_nMaxAliases = 0;
    m_aliases = QStringList{QString()};
}

void clsTransfer::resetTransferState() {
    m_request.clear();
    m_received.clear();
    m_checker.reset();
    m_totalToSend = -1;
    m_amountSent = 0;
    m_action = 0;
}

void clsTransfer::closeSocket() {
    if (m_socket)
        m_socket->Close();
    m_connected = false;
}

} // namespace stoupe
