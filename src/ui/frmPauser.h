#pragma once

#include "core/Types.h"

// The computer seat's pause: waits so many milliseconds while the windows keep running.
namespace frmPauser {

// Returns no earlier than asked, unless Hurry or AbortAll ends the wait first.
void Pause(Long milliseconds);
// Ends the pause under way now; later pauses wait again.
void Hurry();
// Ends every pause now and every later one at once: the table is closing.
void AbortAll();
// Lets pauses wait again (a new table).
void Reset();

}  // namespace frmPauser
