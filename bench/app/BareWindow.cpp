// The yardstick for the start-up time of vellamor-stoupe: a bare Qt window,
// shown and painted once, printing the wall-clock time (ns since the epoch)
// as the program does when STOUPE_BENCH_LOADED is set.
#include "app/LoadedMark.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(780, 565);
    window.show();
    QApplication::processEvents();
    stoupe::reportLoadedAndExit();
}
