#pragma once

#include <cstdint>
#include <span>

#include "core/Random.h"

// The order a shuffle of order.size() cards leaves them in, written into `order`: entry i is
// the position (from 0) the card now at position i had before. Three passes, each taking every
// card in turn, uniformly from those left, with the game's random sequence. A deck of the usual
// size is shuffled without making anything.
void ShuffledOrder(std::span<std::uint32_t> order, Random::Stream& random);
