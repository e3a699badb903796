#include "game/StandardDecider.h"

#include "ai/ComputerPlayer.h"
#include "game/qlGame.h"

namespace {

// The answers that fill more than one part of a choice, each made in its own function so that
// the choice is built where the caller receives it, not moved there.

Choice HandLimitChoice(const qlPlayer& seat, ai::Opponents others, int limit) {
    Choice choice;
    choice.cards = ai::AIDiscardDownTo(seat, others, limit, choice.givenUp);
    return choice;
}

Choice BuildChoice(const qlPlayer& seat, ai::Opponents others, int savings) {
    Choice choice;
    if (const Card card = ai::AIGetCardToBuild(seat, others, savings)) {
        choice.cards.AddCard(card);
    }
    return choice;
}

Choice KeepChoice(const qlPlayer& seat, ai::Opponents others, const qlCards& offered) {
    // The cards not kept are the draw as the choice leaves it.
    Choice choice{.givenUp = offered};
    choice.cards = ai::AIPickCouncillorCards(seat, others, choice.givenUp);
    return choice;
}

Choice GoldMineChoice(const qlPlayer& seat, ai::Opponents others, const qlCards& offered) {
    // The mine goes to the discard pile in the order the card value left it.
    Choice choice{.givenUp = offered};
    choice.cards = ai::AIPickGoldMineCard(seat, others, choice.givenUp);
    return choice;
}

}  // namespace

// The standard rules read the number of players and the buildings left from the values of the
// seat's own game, and weigh the other seats the game names.
Choice StandardDecider::Answer(const qlGame& game, const Decision& decision,
                               Random::Stream& random) {
    const qlPlayer& seat = game.Player(decision.seat);
    // The other seats are gathered only for the questions that weigh them.
    const auto others = [&game, &decision] { return game.OthersAfter(decision.seat); };
    switch (decision.kind) {
        case DecisionKind::Role:
            return {.role = ai::AIPickRole(seat, others(), game.RolesFree())};
        case DecisionKind::Chapel:
            return {.cards = ai::AIPickChapelCard(seat, others())};
        case DecisionKind::HandLimit:
            return HandLimitChoice(seat, others(), decision.count);
        case DecisionKind::CraneCover:
            return {.cards = ai::AIUseCrane(seat, random)};
        case DecisionKind::BlackMarket:
            return {.cards = ai::AIBlackMarket(seat)};
        case DecisionKind::Build:
            return BuildChoice(seat, others(), decision.savings);
        case DecisionKind::Payment:
            return {.cards = ai::AIGetBuildPaymentCards(seat, others(), decision.count)};
        case DecisionKind::CouncilKeep:
            return KeepChoice(seat, others(), decision.offered);
        case DecisionKind::GoldMine:
            return GoldMineChoice(seat, others(), decision.offered);
        case DecisionKind::Produce:
            return {.cards = ai::AIChooseProductionGoods(seat, decision.count)};
        case DecisionKind::Trade:
            return {.cards = ai::AIChooseTradingGoods(seat, decision.count)};
        case DecisionKind::None:
            break;
    }
    return {};
}

bool StandardDecider::PausesAfter(const qlGame& game, const Decision& decision,
                                  const Choice& choice) const {
    const qlPlayer& seat = game.Player(decision.seat);
    switch (decision.kind) {
        case DecisionKind::Role:
            // Valuing the Builder, the seat weighs what it would build.
            return !ai::AIWaitsForOpening(seat) &&
                   ai::AIGetCardToBuild(seat, game.OthersAfter(decision.seat), 0);
        case DecisionKind::Build:
            return !choice.cards.Empty() && !ai::AIWaitsForOpening(seat);
        case DecisionKind::CouncilKeep:
        case DecisionKind::GoldMine:
        case DecisionKind::Produce:
        case DecisionKind::Trade:
            return true;
        default:
            return false;
    }
}
