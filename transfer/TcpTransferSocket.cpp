#include "transfer/TcpTransferSocket.h"

#include <QTcpSocket>

namespace stoupe {

TcpTransferSocket::TcpTransferSocket(QObject* parent)
    : TransferSocket(parent), m_socket(new QTcpSocket(this)) {
    connect(m_socket, &QTcpSocket::connected, this, &TransferSocket::connected);
    connect(m_socket, &QTcpSocket::readyRead, this,
            [this] { emit dataArrived(m_socket->bytesAvailable()); });
    connect(m_socket, &QTcpSocket::bytesWritten, this, &TcpTransferSocket::onBytesWritten);
    connect(m_socket, &QTcpSocket::disconnected, this, &TransferSocket::closed);
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // The peer closing is reported as closed(), not as an error.
        if (error == QAbstractSocket::RemoteHostClosedError)
            return;
        emit errorOccurred(static_cast<int>(error), m_socket->errorString());
    });
}

TcpTransferSocket::~TcpTransferSocket() = default;

int TcpTransferSocket::State() const {
    switch (m_socket->state()) {
    case QAbstractSocket::UnconnectedState:
        return StateClosed;
    case QAbstractSocket::HostLookupState:
        return StateResolving;
    case QAbstractSocket::ConnectingState:
        return StateConnecting;
    case QAbstractSocket::ConnectedState:
        return StateConnected;
    case QAbstractSocket::ClosingState:
        return StatePeerClosing;
    default:
        return StateError;
    }
}

void TcpTransferSocket::Connect(const QString& host, quint16 port) {
    m_pending = 0;
    m_socket->connectToHost(host, port);
}

void TcpTransferSocket::SendData(const QByteArray& data) {
    const qint64 written = m_socket->write(data);
    if (written > 0)
        m_pending += written;
}

QByteArray TcpTransferSocket::GetData() {
    return m_socket->readAll();
}

void TcpTransferSocket::Close() {
    m_pending = 0;
    m_socket->abort();
}

void TcpTransferSocket::onBytesWritten(qint64 bytes) {
    m_pending = std::max<qint64>(0, m_pending - bytes);
    emit sendProgress(bytes, m_pending);
    if (m_pending == 0 && m_socket->bytesToWrite() == 0)
        emit sendComplete();
}

} // namespace stoupe
