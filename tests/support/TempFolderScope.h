#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

namespace stoupe::test {

// Points TMPDIR at a folder of the test's own for the scope's lifetime, then
// puts back what was there (or nothing).
class TempFolderScope {
public:
    explicit TempFolderScope(const QString& folder)
        : m_old(qgetenv("TMPDIR")), m_hadOld(qEnvironmentVariableIsSet("TMPDIR")) {
        qputenv("TMPDIR", QFile::encodeName(folder));
    }
    ~TempFolderScope() {
        if (m_hadOld)
            qputenv("TMPDIR", m_old);
        else
            qunsetenv("TMPDIR");
    }
    TempFolderScope(const TempFolderScope&) = delete;
    TempFolderScope& operator=(const TempFolderScope&) = delete;

private:
    QByteArray m_old;
    bool m_hadOld;
};

} // namespace stoupe::test
