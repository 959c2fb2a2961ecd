#include "app/ProgramState.h"

#include <utility>

namespace stoupe {

namespace {
std::function<void()>& helpHandler() {
    static std::function<void()> handler;
    return handler;
}
} // namespace

ProgramState& programState() {
    static ProgramState state;
    return state;
}

void releaseSharedState() {
    programState().Points.release();
    programState().SwatchPictures.clear();
}

void setShowHelpHandler(std::function<void()> handler) {
    helpHandler() = std::move(handler);
}

void ShowHelp() {
    if (helpHandler())
        helpHandler()();
}

} // namespace stoupe
