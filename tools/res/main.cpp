// stoupe-res: shows what the program will read from a resource library, for
// the people who write and translate the libraries.
//   stoupe-res texts FILE       every text the enumeration delivers, then "end N"
//   stoupe-res pictures FILE    every picture's size, then "end N"
//   stoupe-res version FILE     the file version, or "none"
//   stoupe-res text FILE N      text number N (an empty line when absent)
// Exit status: 0 when the library opened, 1 otherwise (also for bad usage).
#include "pictures/ImagingComponent.h"
#include "resources/ExternalResources.h"

#include <QString>

#include <cstdio>
#include <iostream>
#include <string>

using namespace stoupe;

namespace {

void printLine(const QString& line) {
    std::cout << line.toStdString() << '\n';
}

int usage() {
    std::cerr << "usage: stoupe-res texts FILE\n"
                 "       stoupe-res pictures FILE\n"
                 "       stoupe-res version FILE\n"
                 "       stoupe-res text FILE N\n";
    return 1;
}

int listTexts(ExternalResources& res, bool opened) {
    qint32 luid = 0;
    for (;;) {
        const QString text = res.EnumerateString(luid);
        if (luid <= 0)
            break;
        printLine(QStringLiteral("%1\t%2").arg(luid).arg(text));
    }
    printLine(QStringLiteral("end %1").arg(luid));
    return opened ? 0 : 1;
}

int listPictures(ExternalResources& res, bool opened) {
    qint32 luid = 0;
    for (;;) {
        const QImage picture = res.EnumeratePics(luid);
        if (luid <= 0)
            break;
        printLine(QStringLiteral("%1\t%2x%3").arg(luid).arg(picture.width()).arg(picture.height()));
    }
    printLine(QStringLiteral("end %1").arg(luid));
    return opened ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return usage();
    const std::string command = argv[1];
    const QString file = QString::fromLocal8Bit(argv[2]);
    if ((command == "text") != (argc == 4) || argc > 4)
        return usage();

    qint64 number = 0;
    if (command == "text") {
        bool ok = false;
        number = QString::fromLocal8Bit(argv[3]).toLongLong(&ok);
        if (!ok)
            return usage();
    } else if (command != "texts" && command != "pictures" && command != "version") {
        return usage();
    }

    ImagingComponent imaging;
    ExternalResources res;
    const bool opened = res.ResOpen(file, &imaging);
    if (command == "texts")
        return listTexts(res, opened);
    if (command == "pictures")
        return listPictures(res, opened);
    if (command == "version") {
        const auto version = res.Version();
        printLine(version ? version->toText() : QStringLiteral("none"));
    } else {
        printLine(res.LoadText(number));
    }
    return opened ? 0 : 1;
}
