#include "game/ExpertDecider.h"

#include "game/ExpertPlayer.h"

bool ExpertDecider::LooksAhead(const Decision& decision) {
    return decision.kind != DecisionKind::None;
}

ExpertDecider::ExpertDecider(ExpertPlayer& player, Table& table)
    : ThinkingDecider(table, LooksAhead,
                      [&player](const qlGame& game, const Decision&, Table& thinking) {
                          return player.Decide(game, thinking);
                      }) {}
