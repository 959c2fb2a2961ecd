#include "app/TempFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace stoupe {

namespace {

constexpr qint64 GiveUpAfterMs = 2000;

QString eightRandomFigures() {
    QString figures;
    figures.reserve(8);
    for (int i = 0; i < 8; ++i) {
        figures += QChar('0' + QRandomGenerator::global()->bounded(10));
    }
    return figures;
}

} // namespace

QString TempFolder() {
    QString folder = qEnvironmentVariable("TMPDIR");
    while (folder.size() > 1 && folder.endsWith('/')) {
        folder.chop(1);
    }
    return folder.isEmpty() ? QStringLiteral("/tmp") : folder;
}

QString MakeTempFile(const QString& extension, const QString& prefix) {
    return MakeTempFile(extension, prefix, eightRandomFigures);
}

QString MakeTempFile(const QString& extension, const QString& prefix,
                     const std::function<QString()>& drawFigures) {
    const QString folder = TempFolder();
    QElapsedTimer clock; // monotonic, so a change of the wall clock cannot stretch the wait
    clock.start();
    while (clock.elapsed() <= GiveUpAfterMs) {
        const QString path = folder + '/' + prefix + drawFigures() + '.' + extension;
        const QByteArray encoded = QFile::encodeName(path);
        const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST && errno != EINTR) {
            // The folder itself refuses (missing, not writable, full): trying
            // again at once would only spin until the time runs out.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return QString();
}

} // namespace stoupe
