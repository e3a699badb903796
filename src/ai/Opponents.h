#pragma once

#include <span>

#include "players/qlPlayer.h"

namespace ai {

// The other seats of the deciding seat's game, in play order from the seat after it: those the
// computer seat weighs itself against. The caller names them, as a seat knows nothing of its
// neighbours.
using Opponents = std::span<const qlPlayer* const>;

}  // namespace ai
