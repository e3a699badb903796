#include "core/Pause.h"

#include <utility>

namespace {

PauseHandler gPauseHandler;

}  // namespace

void SetPauseHandler(PauseHandler handler) {
    gPauseHandler = std::move(handler);
}

void RunPause(Long milliseconds) {
    if (gPauseHandler) {
        gPauseHandler(milliseconds);
    }
}
