#include "game/ExpertDecider.h"

#include "game/ExpertPlayer.h"

namespace {

bool EveryDecision(const Decision& decision) {
    return decision.kind != DecisionKind::None;
}

}  // namespace

ExpertDecider::ExpertDecider(ExpertPlayer& player, Table& table)
    : ThinkingDecider(table, EveryDecision,
                      [&player](const qlGame& game, const Decision&, Table& thinking) {
                          return player.Decide(game, thinking);
                      }) {}
