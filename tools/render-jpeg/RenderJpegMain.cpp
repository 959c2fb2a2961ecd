// stoupe-render-jpeg LIST
//
// Renders every SVG named in LIST, one picture a line:
//     WIDTH<TAB>HEIGHT<TAB>SOURCE.svg<TAB>TARGET.jpg|TARGET.png
// Lines starting with '#' and empty lines are skipped. One process renders
// the whole list, so the content build pays Qt's start-up once.

#include "tools/render-jpeg/SvgRaster.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kJpegQuality = 92;

bool renderLine(const QString& line, int lineNumber) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    bool okWidth = false;
    bool okHeight = false;
    const int width = fields.value(0).toInt(&okWidth);
    const int height = fields.value(1).toInt(&okHeight);
    if (fields.size() != 4 || !okWidth || !okHeight || width <= 0 || height <= 0 || width > 8000 ||
        height > 8000) {
        std::fprintf(stderr, "line %d: expected WIDTH, HEIGHT, SOURCE and TARGET\n", lineNumber);
        return false;
    }
    const QString& source = fields[2];
    const QString& target = fields[3];
    const QImage image = stoupe::rendertool::renderSvg(source, width, height);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: not a valid SVG\n", qPrintable(source));
        return false;
    }
    const bool written = target.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                             ? image.save(target, "PNG")
                             : stoupe::rendertool::writeJpeg(image, target, kJpegQuality);
    if (!written) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(target));
    }
    return written;
}

} // namespace

int main(int argc, char** argv) {
    stoupe::rendertool::preferOffscreenPlatform();
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: stoupe-render-jpeg LIST\n");
        return 2;
    }
    QFile list(QString::fromLocal8Bit(argv[1]));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "%s: cannot open\n", argv[1]);
        return 1;
    }
    QTextStream in(&list);
    int lineNumber = 0;
    int failures = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNumber;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        if (!renderLine(line, lineNumber)) {
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
