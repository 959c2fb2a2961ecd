#pragma once

// Points the settings store at a fresh folder for the life of a test and
// clears the proxy variables of the environment.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "update/Registry.h"

namespace stoupe::test {

class TempSettingsStore {
public:
    TempSettingsStore() {
        m_saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
        for (const char* name : {"http_proxy", "HTTP_PROXY", "no_proxy", "NO_PROXY"})
            qunsetenv(name);
    }
    ~TempSettingsStore() {
        qputenv("XDG_CONFIG_HOME", m_saved);
        for (const char* name : {"http_proxy", "HTTP_PROXY", "no_proxy", "NO_PROXY"})
            qunsetenv(name);
    }

    QString folder() const { return m_dir.path() + QStringLiteral("/vellamor-stoupe"); }
    QString path() const { return Registry::StorePath(); }

    void write(const QByteArray& content) const {
        QDir().mkpath(folder());
        QFile file(path());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(content);
    }
    QByteArray read() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

} // namespace stoupe::test
