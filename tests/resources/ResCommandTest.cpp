// The stoupe-res command run as its users run it.
#include "TestLibraries.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct CommandRun {
    int status;
    QString out;
};

CommandRun runCommand(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(STOUPE_RES_COMMAND), args);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

class ResCommand : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStringLiteral(STOUPE_RES_COMMAND).isEmpty())
            GTEST_SKIP() << "stoupe-res is not part of this build";
    }
};

TEST_F(ResCommand, PrintsWhatTheLibraryDelivers) {
    const QString texts = testLibrary("Block99Indexed");
    const QString pictures = testLibrary("Pictures");
    const QString named = testLibrary("NamedPicture");
    const QString missing = testLibrary("NoSuchLibrary");
    const struct {
        QStringList args;
        int status;
        QString out;
    } cases[] = {
        {{"texts", texts}, 0, "1583\tLast of block 99\n1568\tFirst of block 99\n5\tFive\nend 0\n"},
        {{"texts", missing}, 1, "end -1\n"},
        {{"pictures", pictures}, 0, "8\t8x8\n6\t2x5\n5\t4x3\nend 0\n"},
        {{"pictures", named}, 0, "end -2\n"},
        {{"version", testLibrary("Texts")}, 0, "1.2.772\n"},
        {{"version", pictures}, 0, "none\n"},
        {{"version", missing}, 1, "none\n"},
        {{"text", testLibrary("Texts"), "21"}, 0, QString::fromUtf8("café € ?!\n")},
        {{"text", texts, "6"}, 0, "\n"},
        {{"text", missing, "6"}, 1, "\n"},
    };
    for (const auto& c : cases) {
        const CommandRun run = runCommand(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.out, c.out) << c.args.join(' ').toStdString();
    }
}

TEST_F(ResCommand, RefusesBadUsage) {
    for (const QStringList& args :
         {QStringList{}, QStringList{"texts"}, QStringList{"list", testLibrary("Texts")},
          QStringList{"text", testLibrary("Texts")},
          QStringList{"text", testLibrary("Texts"), "x"}})
        EXPECT_EQ(runCommand(args).status, 1) << args.join(' ').toStdString();
}

} // namespace
