#pragma once

// TransferSocket over a QTcpSocket (the product's socket).
//   auto* socket = new TcpTransferSocket(parent);
//   transfer.InitControl(socket);

#include "transfer/TransferSocket.h"

class QTcpSocket;

namespace stoupe {

class TcpTransferSocket : public TransferSocket {
    Q_OBJECT
public:
    explicit TcpTransferSocket(QObject* parent = nullptr);
    ~TcpTransferSocket() override;

    int State() const override;
    void Connect(const QString& host, quint16 port) override;
    void SendData(const QByteArray& data) override;
    QByteArray GetData() override;
    void Close() override;

private:
    void onBytesWritten(qint64 bytes);

    QTcpSocket* m_socket;
    qint64 m_pending = 0; // bytes handed to SendData and not yet written
};

} // namespace stoupe
