#pragma once

// The mark tools/bench-startup.sh reads: the wall-clock time (ns since the
// epoch) at which a program reached its loaded state, printed as
// "loaded_ns N", after which the program ends at once.

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace stoupe {

[[noreturn]] inline void reportLoadedAndExit() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf(
        "loaded_ns %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace stoupe
