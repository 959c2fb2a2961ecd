#pragma once

// The command line of stoupe-request:
//   stoupe-request check  --server HOST[:PORT] --user NAME --password TEXT [--new] [--referrer
//   TEXT] stoupe-request delete --server ... --user ... --password ... --alias ALIAS [--new]
//   stoupe-request upload --server ... --user ... --password ... --alias ALIAS --file PATH.zav
//                         [--new] [--referrer TEXT]
//   common: --timeout SECONDS (default 30), --proxy VALUE (default "--": the system settings;
//           "-" no proxy; else the proxy host[:port])

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace stoupe::request {

enum class Command { Check, Delete, Upload };

struct RequestOptions {
    Command command = Command::Check;
    QString server;
    QString user;
    QString password;
    QString referrer;
    QString alias;
    QString file;
    bool newUser = false;
    int timeoutSeconds = 30;
    QString proxy = QStringLiteral("--");
};

struct ParsedOptions {
    bool ok = false;
    bool help = false;
    QString error; // one line, when !ok
    RequestOptions options;
};

ParsedOptions ParseRequestOptions(const QStringList& arguments);
QString RequestUsage();

} // namespace stoupe::request
