#include "app/TempFile.h"
#include "support/TempFolderScope.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using stoupe::MakeTempFile;

namespace {

using stoupe::test::TempFolderScope;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(MakeTempFile, CreatesAnEmptyOwnerOnlyFileNamedPrefixEightFiguresExtension) {
    QTemporaryDir dir;
    TempFolderScope scope(dir.path() + "/"); // a trailing separator is not doubled
    const QString path = MakeTempFile("jp", "orv");
    ASSERT_FALSE(path.isEmpty());
    const QRegularExpression form("^" + QRegularExpression::escape(dir.path()) +
                                  "/orv[0-9]{8}\\.jp$");
    EXPECT_TRUE(form.match(path).hasMatch()) << path.toStdString();
    const QFileInfo info(path);
    EXPECT_TRUE(info.isFile());
    EXPECT_EQ(info.size(), 0);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_NE(MakeTempFile("jp", "orv"), path);
}

TEST(MakeTempFile, NeverOpensAnExistingFileOrLinkAndDrawsNewFigures) {
    QTemporaryDir dir;
    TempFolderScope scope(dir.path());
    const QString existing = dir.path() + "/orv00000000.zav";
    writeFile(existing, "someone else's data");
    const QString victim = dir.path() + "/victim";
    writeFile(victim, "planted link target");
    ASSERT_TRUE(QFile::link(victim, dir.path() + "/orv11111111.zav"));

    const QStringList draws = {"00000000", "11111111", "22222222"};
    int next = 0;
    const QString path = MakeTempFile("zav", "orv", [&] { return draws[next++ % 3]; });

    EXPECT_EQ(path, dir.path() + "/orv22222222.zav");
    EXPECT_EQ(next, 3);
    EXPECT_EQ(readFile(existing), "someone else's data");
    EXPECT_EQ(readFile(victim), "planted link target");
}

TEST(MakeTempFile, GivesUpWithAnEmptyNameAfterAboutTwoSeconds) {
    QTemporaryDir dir;
    TempFolderScope scope(dir.path() + "/missing-folder");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(MakeTempFile("htm", "orv"), QString());
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_LE(clock.elapsed(), 4000);
}
