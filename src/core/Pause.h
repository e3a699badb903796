#pragma once

#include <functional>

#include "core/Types.h"

// The computer seat's pause. The game layers only ask for a pause of so many milliseconds; the
// game being played installs the handler that waits (its table's), so that a window can keep
// processing its events meanwhile. Without one a pause returns at once, which is what tests,
// the simulator and the games a computer seat plays on want.
using PauseHandler = std::function<void(Long milliseconds)>;

// Installs the handler every later pause of the current game goes through; an empty handler
// restores the default.
void SetPauseHandler(PauseHandler handler);

// Waits through the installed handler.
void RunPause(Long milliseconds);
