// Vellamor Stoupe: prepares the photographs and details from which the
// online service builds a head, and submits them.
#include "app/StartUp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv); // the program takes no arguments of its own
    QApplication::setApplicationName(QStringLiteral("Vellamor Stoupe"));
    if (!stoupe::StartUp())
        return 1;
    return QApplication::exec();
}
