// Entry point of the loopback tests: a QCoreApplication for the sockets and
// child processes, and a settings folder of their own so that nothing reads
// or writes the user's settings or proxy environment.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    for (const char* name : {"http_proxy", "HTTP_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
