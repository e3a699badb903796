#pragma once

#include <cstdint>
#include <optional>

#include "cards/Building.h"

// The five goods, one for each production building the rules name, in the order of the
// trade tiles' prices.
enum class Good : std::uint8_t { Indigo, Sugar, Tobacco, Coffee, Silver };

// The good a building of this id makes: the rules' five production buildings come first among
// the ids, in the goods' order. Any other building makes none the tiles put a price on.
inline constexpr std::optional<Good> GoodOf(BuildingId id) {
    if (id <= buildings::Id("Silver Smelter")) {
        return static_cast<Good>(id);
    }
    return std::nullopt;
}
