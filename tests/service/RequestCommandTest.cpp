// stoupe-request, the operators' command, run as a child process.

#include "service/LoopbackHarness.h"
#include "service/VariantEncoding.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace stoupe::service::loopback;

namespace {

struct Outcome {
    int exitCode = -1;
    QJsonObject json;
    QString out;
    QString err;
};

// Runs stoupe-request while this thread's event loop keeps serving any
// scripted server of the test.
Outcome RunRequest(const QStringList& arguments) {
    QProcess process;
    process.start(StageDir() + QStringLiteral("/stoupe-request"), arguments);
    WaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
    Outcome outcome;
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    outcome.json = QJsonDocument::fromJson(outcome.out.toUtf8()).object();
    return outcome;
}

QStringList Account(const QString& server, const QString& user, const QString& password) {
    return {QStringLiteral("--server"),   server,   QStringLiteral("--user"),  user,
            QStringLiteral("--password"), password, QStringLiteral("--proxy"), QStringLiteral("-")};
}

} // namespace

TEST(RequestCommand, PrintsEachAnswerAsJson) {
    ServiceProcess service;
    ASSERT_TRUE(service.started()) << service.log().toStdString();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("head.zav"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(stoupe::service::fixtures::Acquisition(4000, 'k')));
    }
    const QString user = QStringLiteral("op@example.com");

    Outcome o =
        RunRequest(QStringList{QStringLiteral("upload")} + Account(service.server(), user, user) +
                   QStringList{QStringLiteral("--new"), QStringLiteral("--alias"),
                               QStringLiteral("Head1"), QStringLiteral("--file"), file});
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    EXPECT_EQ(o.json.value(QStringLiteral("aAction")).toInt(), 4);
    EXPECT_EQ(o.json.value(QStringLiteral("nResponseType")).toInt(), 2);
    EXPECT_EQ(o.json.value(QStringLiteral("colAliases")).toArray(),
              QJsonArray{QStringLiteral("Head1")});
    const QString password = service.passwordOf(user);

    o = RunRequest(QStringList{QStringLiteral("check")} +
                   Account(service.server(), user, password));
    ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
    const QStringList keys = {
        "aAction",      "nResponseType",     "bProgramError", "bInValidPost",
        "bCRCError",    "bNotEnoughCredits", "bServerError",  "iCheck",
        "bDecodeError", "bNotNew",           "bNotExisting",  "bCouldntDelete",
        "bCouldntAdd",  "colAliases",        "intMaxAliases", "strDataError"};
    for (const QString& key : keys)
        EXPECT_TRUE(o.json.contains(key)) << key.toStdString();
    EXPECT_EQ(o.json.size(), keys.size());
    EXPECT_EQ(o.json.value(QStringLiteral("intMaxAliases")).toInt(), 3);

    o = RunRequest(QStringList{QStringLiteral("delete")} +
                   Account(service.server(), user, QStringLiteral("wrong")) +
                   QStringList{QStringLiteral("--alias"), QStringLiteral("Head1")});
    ASSERT_EQ(o.exitCode, 0); // an answer arrived, whatever it says
    EXPECT_TRUE(o.json.value(QStringLiteral("bNotExisting")).toBool());
}

TEST(RequestCommand, ExitStatusTellsTimeOutFromBadArguments) {
    ScriptedServer silent({{"HTTP/1.1 200 OK\r\n\r\n"}}, false);
    Outcome o = RunRequest(
        QStringList{QStringLiteral("check"), QStringLiteral("--timeout"), QStringLiteral("1")} +
        Account(silent.server(), QStringLiteral("a"), QStringLiteral("b")));
    EXPECT_EQ(o.exitCode, 2) << o.err.toStdString();
    EXPECT_TRUE(o.out.isEmpty());

    const QStringList bad[] = {
        {},
        {QStringLiteral("fetch")},
        QStringList{QStringLiteral("delete")} + Account(silent.server(), "a", "b"), // no --alias
        QStringList{QStringLiteral("upload"), QStringLiteral("--alias"), QStringLiteral("x"),
                    QStringLiteral("--file"), QStringLiteral("/nonexistent/x.zav")} +
            Account(silent.server(), "a", "b"),
        QStringList{QStringLiteral("check"), QStringLiteral("--timeout"), QStringLiteral("soon")} +
            Account(silent.server(), "a", "b"),
        QStringList{QStringLiteral("check")} +
            Account(QStringLiteral("127.0.0.1:%1").arg(FreePort()), "a", "b"),
    };
    for (const QStringList& arguments : bad) {
        o = RunRequest(arguments);
        EXPECT_EQ(o.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(o.err.count('\n'), 1) << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty());
    }
}
