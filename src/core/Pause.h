#pragma once

#include <functional>

#include "core/Types.h"

// The computer seat's pause. The game layers only ask for a pause of so many milliseconds; the
// program installs the handler that waits, so that a window can keep processing its events
// meanwhile. The default handler returns at once, which is what tests and the simulator want.
using PauseHandler = std::function<void(Long milliseconds)>;

// Installs the handler every later pause goes through; an empty handler restores the default.
void SetPauseHandler(PauseHandler handler);

// Waits through the installed handler.
void RunPause(Long milliseconds);
