// Any answer, delivered in pieces whose sizes come from the input, to the
// transport over a scripted socket: at most one Replied, the same verdict as a
// reply check of the whole answer at once, and the transport idle afterwards.
#include "FuzzTokens.h"
#include "transfer/ReplyCheck.h"
#include "transfer/TransferSocket.h"
#include "transfer/clsTransfer.h"

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

class FuzzSocket : public stoupe::TransferSocket {
public:
    int State() const override { return state; }
    void Connect(const QString&, quint16) override { state = StateConnecting; }
    void SendData(const QByteArray&) override {}
    QByteArray GetData() override { return std::exchange(incoming, QByteArray()); }
    void Close() override { state = StateClosed; }
    int state = StateClosed;
    QByteArray incoming;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir settings; // an empty settings store: recording is off
    static const bool once = [] {
        qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
        return true;
    }();
    (void)once;
    if (size < 2)
        return 0;
    const int pieceSize = 1 + data[0] % 64;
    const QByteArray text = stoupe::fuzz::expandTokens(
        data + 1, size - 1,
        {"HTTP/1.", "HTTP/1.1 200 OK\r\n", "200 OK", "500 ", "413 ", "404 ", "\r\n", " ",
         "###RETURNED DATA###", "###;", "###STA:User Checked", "###ALI:", "###MAX:3",
         "###ERR:CRC Check failed", "###DATA TRANSFER COMPLETE###"});
    const QByteArrayView answer(text);

    FuzzSocket socket;
    stoupe::clsTransfer transfer;
    transfer.InitControl(&socket);
    transfer.SetWaits({[] { return qint64(0); }, [] {}});
    transfer.SetServer("server.example");
    int replies = 0;
    int check = -1;
    QObject::connect(&transfer, &stoupe::clsTransfer::Replied,
                     [&](const stoupe::clsReturnedData& d) {
                         ++replies;
                         check = d.bServerError ? d.iCheck : 1;
                     });
    if (transfer.CheckUserOnServer(false, "u", "p", "") != 0)
        std::abort();
    socket.state = stoupe::TransferSocket::StateConnected;
    emit socket.connected();

    qsizetype verdictAt = -1;
    for (qsizetype at = 0; at < answer.size(); at += pieceSize) {
        const QByteArrayView piece =
            answer.sliced(at, std::min<qsizetype>(pieceSize, answer.size() - at));
        socket.incoming += piece.toByteArray();
        emit socket.dataArrived(socket.incoming.size());
        if (replies > 1)
            std::abort();
        if (replies == 1 && verdictAt < 0)
            verdictAt = at + piece.size();
    }
    if (replies == 1) {
        stoupe::ReplyChecker fresh;
        if (fresh.Check(answer.first(verdictAt)) != check || transfer.Action() != 0)
            std::abort();
    } else if (transfer.Action() != 1) {
        std::abort();
    }
    return 0;
}
