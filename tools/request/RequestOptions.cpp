#include "tools/request/RequestOptions.h"

#include <QCommandLineParser>

namespace stoupe::request {

namespace {

void AddOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("check, delete or upload"));
    parser.addOptions({
        {QStringLiteral("server"), QStringLiteral("The service's host, optionally :port."),
         QStringLiteral("HOST[:PORT]")},
        {QStringLiteral("user"), QStringLiteral("The account's user name."),
         QStringLiteral("NAME")},
        {QStringLiteral("password"),
         QStringLiteral("The password (for --new: the user name repeated)."),
         QStringLiteral("TEXT")},
        {QStringLiteral("new"), QStringLiteral("Ask for a new account.")},
        {QStringLiteral("referrer"), QStringLiteral("E-mail address of the referrer."),
         QStringLiteral("TEXT")},
        {QStringLiteral("alias"), QStringLiteral("The head's alias (delete, upload)."),
         QStringLiteral("ALIAS")},
        {QStringLiteral("file"), QStringLiteral("The acquisition file to upload."),
         QStringLiteral("PATH.zav")},
        {QStringLiteral("timeout"),
         QStringLiteral("Seconds without an answer or upload progress before giving up (default "
                        "30)."),
         QStringLiteral("SECONDS"), QStringLiteral("30")},
        {QStringLiteral("proxy"),
         QStringLiteral("\"--\" the system's proxy settings (default), \"-\" none, or "
                        "HOST[:PORT]."),
         QStringLiteral("VALUE"), QStringLiteral("--")},
    });
    parser.addHelpOption();
}

} // namespace

QString RequestUsage() {
    QCommandLineParser parser;
    AddOptions(parser);
    return QStringLiteral("usage:\n"
                          "  stoupe-request check  --server HOST[:PORT] --user NAME --password "
                          "TEXT [--new] [--referrer TEXT]\n"
                          "  stoupe-request delete --server ... --user ... --password ... --alias "
                          "ALIAS [--new]\n"
                          "  stoupe-request upload --server ... --user ... --password ... --alias "
                          "ALIAS --file PATH.zav [--new] [--referrer TEXT]\n"
                          "Prints the answer as one JSON object. Exit status: 0 an answer "
                          "arrived, 2 time-out, 1 bad arguments or the request could not "
                          "start.\n\n") +
           parser.helpText();
}

ParsedOptions ParseRequestOptions(const QStringList& arguments) {
    ParsedOptions parsed;
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parsed.help = true;
        parsed.ok = true;
        return parsed;
    }
    RequestOptions& o = parsed.options;
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        parsed.error = QStringLiteral("give exactly one command: check, delete or upload");
        return parsed;
    }
    const QString command = positional.first();
    if (command == QLatin1String("check")) {
        o.command = Command::Check;
    } else if (command == QLatin1String("delete")) {
        o.command = Command::Delete;
    } else if (command == QLatin1String("upload")) {
        o.command = Command::Upload;
    } else {
        parsed.error = QStringLiteral("unknown command \"%1\"").arg(command);
        return parsed;
    }

    o.server = parser.value(QStringLiteral("server"));
    o.user = parser.value(QStringLiteral("user"));
    o.password = parser.value(QStringLiteral("password"));
    o.referrer = parser.value(QStringLiteral("referrer"));
    o.alias = parser.value(QStringLiteral("alias"));
    o.file = parser.value(QStringLiteral("file"));
    o.newUser = parser.isSet(QStringLiteral("new"));
    o.proxy = parser.value(QStringLiteral("proxy"));

    QStringList required = {QStringLiteral("server"), QStringLiteral("user"),
                            QStringLiteral("password")};
    if (o.command != Command::Check)
        required << QStringLiteral("alias");
    if (o.command == Command::Upload)
        required << QStringLiteral("file");
    for (const QString& name : required) {
        if (parser.value(name).isEmpty()) {
            parsed.error = QStringLiteral("%1 needs --%2").arg(command, name);
            return parsed;
        }
    }
    const auto refuse = [&](const QString& name) {
        if (parser.isSet(name)) {
            parsed.error = QStringLiteral("%1 takes no --%2").arg(command, name);
            return true;
        }
        return false;
    };
    if (o.command == Command::Check &&
        (refuse(QStringLiteral("alias")) || refuse(QStringLiteral("file"))))
        return parsed;
    if (o.command == Command::Delete &&
        (refuse(QStringLiteral("file")) || refuse(QStringLiteral("referrer"))))
        return parsed;

    bool numeric = false;
    o.timeoutSeconds = parser.value(QStringLiteral("timeout")).toInt(&numeric);
    if (!numeric || o.timeoutSeconds < 1 || o.timeoutSeconds > 86400) {
        parsed.error =
            QStringLiteral("--timeout must be a whole number of seconds from 1 to 86400");
        return parsed;
    }
    if (o.proxy.isEmpty()) {
        parsed.error = QStringLiteral("--proxy needs a value: \"--\", \"-\" or HOST[:PORT]");
        return parsed;
    }
    parsed.ok = true;
    return parsed;
}

} // namespace stoupe::request
