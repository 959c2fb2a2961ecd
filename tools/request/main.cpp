// stoupe-request: sends one request (account check, head deletion or upload)
// to the service through the wizard's own transport and prints the answer as
// one JSON object. Exit status 0 when an answer arrived, whatever it says; 2
// when none came within the time-out; 1 for bad arguments or a request that
// could not start.

#include "tools/request/RequestOptions.h"
#include "tools/request/ReturnedDataJson.h"
#include "transfer/ProxySetup.h"
#include "transfer/TcpTransferSocket.h"
#include "transfer/clsTransfer.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QTimer>
#include <cstdio>

using namespace stoupe;
using namespace stoupe::request;

namespace {

constexpr int kTickMs = 50;

void PrintLine(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

int Fail(const QString& reason) {
    PrintLine(stderr, QStringLiteral("stoupe-request: ") + reason);
    return 1;
}

int16_t StartRequest(clsTransfer& transfer, const RequestOptions& o, const QByteArray& data) {
    switch (o.command) {
    case Command::Check:
        return transfer.CheckUserOnServer(o.newUser, o.user, o.password, o.referrer);
    case Command::Delete:
        return transfer.DeleteMaskOnServer(o.newUser, o.user, o.password, o.alias);
    case Command::Upload:
        return transfer.UploadDataOnServer(o.newUser, o.user, o.password, o.referrer, o.alias,
                                           data);
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const ParsedOptions parsed = ParseRequestOptions(app.arguments());
    if (!parsed.ok)
        return Fail(parsed.error + QStringLiteral(" (see --help)"));
    if (parsed.help) {
        PrintLine(stdout, RequestUsage());
        return 0;
    }
    const RequestOptions& options = parsed.options;

    QByteArray data;
    if (options.command == Command::Upload) {
        QFile file(options.file);
        if (!file.open(QIODevice::ReadOnly))
            return Fail(QStringLiteral("cannot read %1: %2").arg(options.file, file.errorString()));
        data = file.readAll();
        if (data.isEmpty())
            return Fail(QStringLiteral("%1 is empty").arg(options.file));
    }

    clsTransfer transfer;
    auto* socket = new TcpTransferSocket(&transfer);
    transfer.InitControl(socket);
    ApplyProxySetup(transfer, options.proxy);
    transfer.SetServer(options.server);

    // Every outcome ends the event loop once; the first one counts.
    int outcome = -1;
    const auto finish = [&](int code) {
        if (outcome >= 0)
            return;
        outcome = code;
        QTimer::singleShot(0, &app, [&app, code] { app.exit(code); });
    };

    QObject::connect(&transfer, &clsTransfer::Replied, &app, [&](const clsReturnedData& answer) {
        if (outcome >= 0)
            return;
        PrintLine(stdout, QString::fromUtf8(QJsonDocument(ReturnedDataJson(answer)).toJson()));
        finish(0);
    });
    // The transport itself waits for its owner's time-out when a connection
    // fails; an operator is better served by the reason at once.
    QObject::connect(
        socket, &TransferSocket::errorOccurred, &app, [&](int, const QString& description) {
            if (outcome >= 0 || transfer.Connected())
                return;
            PrintLine(stderr, QStringLiteral("stoupe-request: cannot connect: ") + description);
            transfer.TerminateTransfer();
            finish(1);
        });

    // The time-out counts from the start and restarts whenever the upload
    // makes progress, so a large upload over a slow link is not cut off.
    int idleMs = 0;
    int32_t lastAmount = 0;
    QTimer alive;
    alive.setInterval(kTickMs);
    QObject::connect(&alive, &QTimer::timeout, &app, [&] {
        if (transfer.AmountSent() != lastAmount) {
            lastAmount = transfer.AmountSent();
            idleMs = 0;
            return;
        }
        idleMs += kTickMs;
        if (idleMs > options.timeoutSeconds * 1000 && outcome < 0) {
            PrintLine(stderr, QStringLiteral("stoupe-request: no answer within %1 seconds")
                                  .arg(options.timeoutSeconds));
            transfer.TerminateTransfer();
            finish(2);
        }
    });

    if (StartRequest(transfer, options, data) != 0)
        return Fail(QStringLiteral("the request could not be started"));
    alive.start();
    return app.exec();
}
