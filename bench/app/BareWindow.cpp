// The yardstick for the start-up time of vellamor-stoupe: a bare Qt window,
// shown and painted once, printing the wall-clock time (ns since the epoch)
// as the program does when STOUPE_BENCH_LOADED is set.
#include <QApplication>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(780, 565);
    window.show();
    QApplication::processEvents();
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf(
        "loaded_ns %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
    std::_Exit(0);
}
