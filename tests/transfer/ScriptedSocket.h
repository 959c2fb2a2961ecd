#pragma once

// A TransferSocket that a test drives by hand: it records what the transport
// asks of it and delivers the events and answers the test chooses.

#include "transfer/TransferSocket.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace stoupe::test {

class ScriptedSocket : public TransferSocket {
public:
    int State() const override { return state; }
    void Connect(const QString& host, quint16 port) override {
        connectedHost = host;
        connectedPort = port;
        ++connectCalls;
        state = StateConnecting;
    }
    void SendData(const QByteArray& data) override { sent += data; }
    QByteArray GetData() override { return std::exchange(incoming, QByteArray()); }
    void Close() override {
        ++closeCalls;
        state = closeLeavesOpen ? state : StateClosed;
    }

    // The server accepts the connection.
    void acceptConnection() {
        state = StateConnected;
        emit connected();
    }
    // The server's bytes arrive as one piece.
    void deliver(const QByteArray& bytes) {
        incoming += bytes;
        emit dataArrived(incoming.size());
    }
    // The socket reports the whole request as sent.
    void finishSending() {
        emit sendProgress(sent.size(), 0);
        emit sendComplete();
    }

    int state = StateClosed;
    bool closeLeavesOpen = false;
    QString connectedHost;
    quint16 connectedPort = 0;
    int connectCalls = 0;
    int closeCalls = 0;
    QByteArray sent;
    QByteArray incoming;
};

} // namespace stoupe::test
