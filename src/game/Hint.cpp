#include "game/Hint.h"

#include <cmath>
#include <optional>

#include "cards/qlCard.h"
#include "game/qlGame.h"

std::string Hint::Text() const {
    const std::string choice = role >= 0          ? RoleName(RoleAt(role))
                               : building.empty() ? "build nothing"
                                                  : building;
    if (games == 0) {
        return choice + ", the only choice";
    }
    const long share = std::lround(100.0 * static_cast<double>(wins) / static_cast<double>(games));
    return choice + ": wins " + std::to_string(share) + " % of " + std::to_string(games) +
           " sampled games";
}

Hint AskStrongPlayer(const qlGame& game, Integer seat, Table& table, int budget) {
    // A seed from what every seat can see, so that the same position gets the same hint.
    StrongPlayer player(seat, 0x4A1B7ULL + static_cast<std::uint64_t>(game.RolesChosen()), budget);
    Hint hint;
    if (const std::optional<Integer> savings = game.BuildSavings()) {
        const qlCards card = player.ChooseBuilding(game, table, game.Player(seat), *savings);
        hint.building = card.Empty() ? "" : card.Item(1)->BuildingName();
    } else {
        hint.role = player.PickRole(game, table);
    }
    hint.wins = player.LastVerdict().wins;
    hint.games = player.LastVerdict().games;
    return hint;
}
