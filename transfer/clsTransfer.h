#pragma once

// One request at a time to the service's web server, over a TransferSocket.
//
//   clsTransfer t;
//   t.InitControl(socket);            // wires the socket's signals to the Winsock_* handlers
//   t.SetServer("host[:port]");  t.SetProxy("");  t.SetProxyOverride("");
//   //   (or ApplyProxySetup(t, "--") from ProxySetup.h)
//   connect(&t, &clsTransfer::Replied, ...);   // exactly once per answered action
//   short r = t.CheckUserOnServer(false, user, password, referrer);  // 0 started, -1 not
//   short r = t.DeleteMaskOnServer(false, user, password, alias);
//   short r = t.UploadDataOnServer(false, user, password, referrer, alias, bytes);
//   t.Action()  0 idle, 1 check, 2 delete, 3 sending upload, 4 upload sent
//   t.Cancel()  Action -> 0, socket untouched;  t.TerminateTransfer() closes and resets
//   t.PcentDone(), t.AmountSent(), t.TotalToSend(), t.Connected()
//   t.strAliases(), t.nAliases(), t.nMaxAliases(), t.strAliasN(i)
//
// The transport never ends an unanswered action by itself: the owner's
// time-out calls TerminateTransfer. Answers are capped at kAnswerCap (more is
// judged "not HTTP"); with "StoreServerError" > 0 in the program key an error
// answer is stored under "ServerError" (at most kServerErrorCap characters).
//
// Waits: before connecting the transport waits up to 2 s for the old
// connection to close, and collects an error answer for up to 1 s, letting
// events run. SetWaits replaces the clock and the event pump (tests).

#include "transfer/ReplyCheck.h"
#include "transfer/clsBase64.h"
#include "transfer/clsReturnedData.h"
#include "update/Registry.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace stoupe {

class TransferSocket;

inline constexpr qsizetype kServerErrorCap = 64 * 1024;

struct TransferWaits {
    std::function<qint64()> nowMs;      // a monotonic clock in milliseconds
    std::function<void()> letEventsRun; // runs pending events once
    static TransferWaits realTime();
};

class clsTransfer : public QObject {
    Q_OBJECT
public:
    explicit clsTransfer(QObject* parent = nullptr);
    ~clsTransfer() override;

    int32_t Action() const { return m_action; }
    void Cancel();
    void TerminateTransfer();

    int16_t CheckUserOnServer(bool bNewUser, const QString& strUsername, const QString& strPassword,
                              const QString& strReferrer);
    int16_t DeleteMaskOnServer(bool bNewUser, const QString& strUsername,
                               const QString& strPassword, const QString& strVellAlias);
    int16_t UploadDataOnServer(bool bNewUser, const QString& strUsername,
                               const QString& strPassword, const QString& strReferrer,
                               const QString& strVellAlias, QByteArrayView byteData);

    void Winsock_SendProgress(qint64 bytesSent, qint64 bytesRemaining);
    void Winsock_SendComplete();
    void Winsock_DataArrival_Event(qint64 TotalBytes);
    void Winsock_Connected();
    void Winsock_Close();

    bool Connected() const { return m_connected; }
    int32_t AmountSent() const { return m_amountSent; }
    int32_t TotalToSend() const { return m_totalToSend; }
    float PcentDone() const;

    void InitControl(TransferSocket* winCtl);

    QStringList strAliases() const { return m_aliases; }
    int16_t nAliases() const { return m_nAliases; }
    int16_t nMaxAliases() const { return m_nMaxAliases; }
    QString strAliasN(int16_t index) const;

    QString SetProxy() const { return m_proxy; }
    void SetProxy(const QString& strProxyServer) { m_proxy = strProxyServer; }
    QString SetProxyOverride() const { return m_proxyOverride; }
    void SetProxyOverride(const QString& strProxyOverride) { m_proxyOverride = strProxyOverride; }
    QString SetServer() const { return m_server; }
    void SetServer(const QString& strServer) { m_server = strServer; }

    void SetWaits(TransferWaits waits);
    // The first 1000 characters of the last request sent, + " ..." when longer.
    QString SentHead() const { return m_sentHead; }

signals:
    void Replied(const stoupe::clsReturnedData& args);

private:
    bool startAction(int32_t action, QByteArray request);
    bool openConnection();
    void sendRequest();
    void resetTransferState();
    void closeSocket();
    void handleReply(int result);
    void recordServerError();
    void takeAliases(const clsReturnedData& data);
    void emptyAliases();

    QPointer<TransferSocket> m_socket;
    TransferWaits m_waits;
    clsBase64 m_encoder;
    ReplyChecker m_checker;
    bool m_connected = false;
    QByteArray m_request;
    QString m_sentHead;
    QByteArray m_received;
    int32_t m_action = 0;
    int32_t m_totalToSend = -1;
    int32_t m_amountSent = 0;
    QString m_server;
    QString m_proxy;
    QString m_proxyOverride;
    QStringList m_aliases{QString()};
    int16_t m_nAliases = 0;
    int16_t m_nMaxAliases = 0;
    quint64 m_generation = 0; // counts started actions
    bool m_divert = false;
    QByteArray m_divertBuffer;
};

} // namespace stoupe
