#pragma once

#include <memory>

class qlCard;
class qlCards;
class qlPlayer;

// Cards and collections are shared: the same card object moves from pile to hand to city.
using CardRef = std::shared_ptr<qlCard>;
using DeckRef = std::shared_ptr<qlCards>;
