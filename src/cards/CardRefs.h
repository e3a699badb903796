#pragma once

#include <memory>

#include "cards/Card.h"

class qlCards;
class qlPlayer;

// Collections are shared: the hand a seat holds is the one its table shows.
using DeckRef = std::shared_ptr<qlCards>;
