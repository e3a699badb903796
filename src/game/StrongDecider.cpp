#include "game/StrongDecider.h"

#include "game/StrongPlayer.h"
#include "game/qlGame.h"

Choice StrongDecider::Answer(const qlGame& game, const Decision& decision, Random::Stream& random) {
    const qlPlayer& seat = game.Player(decision.seat);
    switch (decision.kind) {
        case DecisionKind::Role:
            return {.role = mPlayer.PickRole(game, mTable)};
        case DecisionKind::Build:
            return {.cards = mPlayer.ChooseBuilding(game, mTable, seat, decision.savings)};
        case DecisionKind::CouncilKeep:
            // With the Archive the whole hand is in the choice: too many ways to keep to weigh
            // each.
            if (!decision.archive) {
                qlCards drawn = decision.offered;
                qlCards kept = mPlayer.ChooseCouncilKeep(game, mTable, seat, drawn, decision.keep);
                return {.cards = std::move(kept), .givenUp = std::move(drawn)};
            }
            break;
        default:
            break;
    }
    return StandardDecider::Answer(game, decision, random);
}

bool StrongDecider::PausesAfter(const qlGame& game, const Decision& decision,
                                const Choice& choice) const {
    if (decision.kind == DecisionKind::Role || decision.kind == DecisionKind::Build) {
        return false;
    }
    return StandardDecider::PausesAfter(game, decision, choice);
}
