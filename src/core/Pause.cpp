#include "core/Pause.h"

#include <utility>

#include "core/GameContext.h"

void SetPauseHandler(PauseHandler handler) {
    CurrentGameContext().Pause = std::move(handler);
}

void RunPause(Long milliseconds) {
    if (const PauseHandler& handler = CurrentGameContext().Pause) {
        handler(milliseconds);
    }
}
