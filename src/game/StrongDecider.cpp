#include "game/StrongDecider.h"

#include <utility>

#include "game/StrongPlayer.h"
#include "game/qlGame.h"

namespace {

Choice StrongThought(StrongPlayer& player, const qlGame& game, const Decision& decision,
                     Table& table) {
    const qlPlayer& seat = game.Player(decision.seat);
    switch (decision.kind) {
        case DecisionKind::Role:
            return {.role = player.PickRole(game, table)};
        case DecisionKind::Build:
            return {.cards = player.ChooseBuilding(game, table, seat, decision.savings)};
        default: {
            qlCards drawn = decision.offered;
            qlCards kept = player.ChooseCouncilKeep(game, table, seat, drawn, decision.keep);
            return {.cards = std::move(kept), .givenUp = std::move(drawn)};
        }
    }
}

}  // namespace

bool StrongDecider::LooksAhead(const Decision& decision) {
    // With the Archive the whole hand is in the keep: too many ways to keep to weigh each.
    return decision.kind == DecisionKind::Role || decision.kind == DecisionKind::Build ||
           (decision.kind == DecisionKind::CouncilKeep && !decision.archive);
}

StrongDecider::StrongDecider(StrongPlayer& player, Table& table)
    : ThinkingDecider(table, LooksAhead,
                      [&player](const qlGame& game, const Decision& decision, Table& thinking) {
                          return StrongThought(player, game, decision, thinking);
                      }) {}
