#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/Random.h"

// The order a shuffle of `count` cards leaves them in: entry i is the position (from 0) the card
// now at position i had before. Three passes, each taking every card in turn, uniformly from
// those left, with the game's random sequence.
std::vector<std::uint32_t> ShuffledOrder(std::size_t count, Random::Stream& random);
