#pragma once

// The TCP socket clsTransfer talks through. TcpTransferSocket is the product's
// implementation over QTcpSocket; tests drive clsTransfer with a scripted one.
//
//   int  State()                  0 closed, 4 resolving, 6 connecting, 7 connected,
//                                 8 peer closing, 9 error
//   void Connect(host, port)      starts connecting; completion is the connected() signal
//   void SendData(bytes)          queues all bytes; sendProgress()/sendComplete() follow
//   QByteArray GetData()          takes everything that has arrived so far
//   void Close()                  closes at once; State() is 0 afterwards
// Signals: connected(), dataArrived(totalBytes), sendProgress(sent, remaining),
//          sendComplete(), closed() (the connection ended), errorOccurred(code, text).

#include <QByteArray>
#include <QObject>
#include <QString>

namespace stoupe {

class TransferSocket : public QObject {
    Q_OBJECT
public:
    enum : int {
        StateClosed = 0,
        StateResolving = 4,
        StateConnecting = 6,
        StateConnected = 7,
        StatePeerClosing = 8,
        StateError = 9
    };

    using QObject::QObject;
    ~TransferSocket() override = default;

    virtual int State() const = 0;
    virtual void Connect(const QString& host, quint16 port) = 0;
    virtual void SendData(const QByteArray& data) = 0;
    virtual QByteArray GetData() = 0;
    virtual void Close() = 0;

signals:
    void connected();
    void dataArrived(qint64 totalBytes);
    void sendProgress(qint64 bytesSent, qint64 bytesRemaining);
    void sendComplete();
    void closed();
    void errorOccurred(int code, const QString& description);
};

} // namespace stoupe
