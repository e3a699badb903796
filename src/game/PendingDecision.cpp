// The decision a game waits for, the choices the rules allow there, and carrying one out.

#include <algorithm>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "cards/qlCard.h"
#include "game/qlGame.h"

namespace {

const char* KindName(DecisionKind kind) {
    switch (kind) {
        case DecisionKind::None:
            return "no decision";
        case DecisionKind::Role:
            return "the role choice";
        case DecisionKind::Chapel:
            return "the chapel";
        case DecisionKind::HandLimit:
            return "the hand limit";
        case DecisionKind::CraneCover:
            return "the crane";
        case DecisionKind::BlackMarket:
            return "the black market";
        case DecisionKind::Build:
            return "the build";
        case DecisionKind::Payment:
            return "the payment";
        case DecisionKind::CouncilKeep:
            return "the councillor's keep";
        case DecisionKind::GoldMine:
            return "the gold mine";
        case DecisionKind::Produce:
            return "the producer";
        case DecisionKind::Trade:
            return "the trader";
    }
    return "";
}

[[noreturn]] void Refuse(const Decision& decision, const std::string& why) {
    throw std::invalid_argument("Player " + std::to_string(decision.seat) + " at " +
                                KindName(decision.kind) + ": " + why);
}

[[noreturn]] void RefuseCard(const Decision& decision, Card card, const char* what) {
    Refuse(decision, std::string(card ? card->BuildingName() : "nothing") + " is not one of the " +
                         what + " on offer");
}

[[noreturn]] void RefuseCount(const Decision& decision, Long count, Long least, Long most,
                              const char* what) {
    Refuse(decision, std::to_string(count) + " " + what + " chosen, where " +
                         (least == most ? std::to_string(least)
                                        : std::to_string(least) + " to " + std::to_string(most)) +
                         " are asked");
}

// Refuses the first card of `cards` that is nothing, is not one of `pool`, or was chosen
// already: among `earlier` or before it in `cards`. In a pool of up to 64 cards, as every pool
// of a game is, `taken` marks the places of the cards found, those of `earlier` among them; a
// larger pool is searched for the cards chosen before. A choice holds a few cards: looking each
// up in turn is cheaper than hashing them.
void RequireEachOnce(const Decision& decision, const qlCards& cards, const qlCards& pool,
                     std::span<const Card> earlier, std::uint64_t& taken, const char* what) {
    const bool marked = pool.Count() <= 64;
    for (const Card* card = cards.begin(); card != cards.end(); ++card) {
        const Card* const found = std::find(pool.begin(), pool.end(), *card);
        bool fresh = true;
        if (marked) {
            const std::uint64_t place =
                found != pool.end() ? std::uint64_t{1} << (found - pool.begin()) : 0;
            fresh = (taken & place) == 0;
            taken |= place;
        } else {
            fresh = std::find(earlier.begin(), earlier.end(), *card) == earlier.end() &&
                    std::find(cards.begin(), card, *card) == card;
        }
        if (!*card || found == pool.end() || !fresh) {
            RefuseCard(decision, *card, what);
        }
    }
}

// Refuses unless `cards` holds from `least` to `most` cards, each once and each of `pool`;
// `taken` marks the places of the cards found, for a split to go on from.
void RequireFrom(const Decision& decision, const qlCards& cards, const qlCards& pool, Long least,
                 Long most, const char* what, std::uint64_t& taken) {
    const Long count = cards.Count();
    if (count < least || count > most) {
        RefuseCount(decision, count, least, most, what);
    }
    RequireEachOnce(decision, cards, pool, {}, taken, what);
}

void RequireFrom(const Decision& decision, const qlCards& cards, const qlCards& pool, Long least,
                 Long most, const char* what) {
    std::uint64_t taken = 0;
    RequireFrom(decision, cards, pool, least, most, what, taken);
}

// Refuses unless `kept` and `givenUp` together hold each card of `pool` exactly once; the kept
// cards have been found in the pool already, their places marked in `taken`.
void RequireSplit(const Decision& decision, const qlCards& kept, const qlCards& givenUp,
                  const qlCards& pool, std::uint64_t& taken) {
    if (kept.Count() + givenUp.Count() != pool.Count()) {
        Refuse(decision, "the cards kept and given up are not the cards on offer");
    }
    RequireEachOnce(decision, givenUp, pool, {kept.begin(), kept.end()}, taken, "cards");
}

}  // namespace

Integer qlGame::DecidingSeat() const {
    if (mState.awaiting == DecisionKind::Role) {
        return mState.roleChooser;
    }
    if (mState.awaiting == DecisionKind::Chapel || mState.awaiting == DecisionKind::HandLimit) {
        return mState.governorSeat;
    }
    return mState.currentPlayer;
}

namespace {

// The city's buildings but its cranes: what the crane may build over.
qlCards CraneTargets(const qlPlayer& seat) {
    qlCards targets = seat.BuiltCards();
    targets.RemoveCards(targets.GetCardsByName("Crane"));
    return targets;
}

}  // namespace

Decision qlGame::Pending() const {
    return Describe(true);
}

Decision qlGame::Describe(bool withOptions) const {
    // One decision, returned from every branch, is made in the caller's place.
    Decision decision;
    if (mState.step != RulesStep::Decide) {
        return decision;
    }
    const qlPlayer& seat = Player(DecidingSeat());
    decision.kind = mState.awaiting;
    decision.seat = seat.PlayerNumber();
    switch (mState.awaiting) {
        case DecisionKind::Role:
            decision.rolesFree = mState.rolesFree;
            break;
        case DecisionKind::HandLimit:
            decision.count = mState.firstRound ? Integer{4} : seat.CardsAllowed();
            decision.firstRound = mState.firstRound;
            break;
        case DecisionKind::BlackMarket:
            decision.count = static_cast<Integer>(std::min<Long>(seat.GoodsOnBuildings(), 2));
            break;
        case DecisionKind::Build:
            decision.savings = *BuildSavings();
            break;
        case DecisionKind::Payment:
            decision.count = mState.turn.cost;
            break;
        case DecisionKind::CouncilKeep:
            decision.keep = mState.turn.keep;
            decision.archive = mState.turn.archive;
            decision.offered = mState.turn.offered;
            break;
        case DecisionKind::GoldMine:
            decision.offered = mState.turn.offered;
            break;
        case DecisionKind::Produce:
            decision.count = seat.ProducingPower(seat.GetsRoleBenefit(), seat.LibraryActive());
            break;
        case DecisionKind::Trade:
            decision.count = seat.TradingPower(seat.GetsRoleBenefit(), seat.LibraryActive());
            break;
        case DecisionKind::Chapel:
        case DecisionKind::CraneCover:
        case DecisionKind::None:
            break;
    }
    if (withOptions) {
        decision.options = Options(seat);
    }
    return decision;
}

qlCards qlGame::Options(const qlPlayer& seat) const {
    switch (mState.awaiting) {
        case DecisionKind::Chapel:
        case DecisionKind::HandLimit:
        case DecisionKind::Build:
        case DecisionKind::Payment:
            return seat.CardsInHand();
        case DecisionKind::CraneCover:
            return CraneTargets(seat);
        case DecisionKind::BlackMarket:
        case DecisionKind::Trade:
            return seat.BuildingsWithGoods();
        case DecisionKind::CouncilKeep:
            if (mState.turn.archive) {
                qlCards options = seat.CardsInHand();
                options.AddCards(mState.turn.offered);
                return options;
            }
            return mState.turn.offered;
        case DecisionKind::GoldMine:
            return mState.turn.offered;
        case DecisionKind::Produce:
            return seat.OpenProductionBuildings();
        case DecisionKind::Role:
        case DecisionKind::None:
            break;
    }
    return {};
}

void qlGame::CheckChoice(const Decision& decision, const Choice& choice) const {
    if (decision.kind == DecisionKind::None) {
        throw std::invalid_argument("The game waits for no decision");
    }
    if (decision.kind == DecisionKind::Role) {
        if (choice.role < 0 || choice.role >= kRoleCount ||
            !decision.rolesFree[static_cast<std::size_t>(choice.role)]) {
            Refuse(decision, "role " + std::to_string(choice.role) + " is not free");
        }
        return;
    }
    const qlCards& options = decision.options;
    const Long offered = options.Count();
    switch (decision.kind) {
        case DecisionKind::Chapel:
        case DecisionKind::CraneCover:
        case DecisionKind::Build:
            RequireFrom(decision, choice.cards, options, 0, 1, "cards");
            break;
        case DecisionKind::HandLimit: {
            std::uint64_t taken = 0;
            RequireFrom(decision, choice.cards, options, decision.count, decision.count, "cards",
                        taken);
            RequireSplit(decision, choice.cards, choice.givenUp, options, taken);
            break;
        }
        case DecisionKind::BlackMarket:
        case DecisionKind::Produce:
        case DecisionKind::Trade:
            RequireFrom(decision, choice.cards, options, 0, decision.count, "buildings");
            break;
        case DecisionKind::Payment: {
            const Long cost = std::min<Long>(decision.count, offered);
            RequireFrom(decision, choice.cards, options, cost, cost, "cards");
            break;
        }
        case DecisionKind::CouncilKeep: {
            const Long held = decision.archive ? offered - decision.offered.Count() : 0;
            std::uint64_t taken = 0;
            RequireFrom(decision, choice.cards, options, std::min(held + 1, offered),
                        std::min(held + decision.keep, offered), "cards", taken);
            RequireSplit(decision, choice.cards, choice.givenUp, options, taken);
            break;
        }
        case DecisionKind::GoldMine:
            RequireFrom(decision, choice.cards, options, 1, 1, "cards");
            if (!choice.givenUp.Empty()) {
                RequireFrom(decision, choice.givenUp, options, offered, offered, "cards");
            }
            break;
        case DecisionKind::Role:
        case DecisionKind::None:
            break;
    }
}

void qlGame::Apply(const Choice& choice) {
    Apply(Pending(), choice);
}

void qlGame::Apply(const Decision& pending, const Choice& choice) {
    const bool fed = std::exchange(mFed, false);
    CheckChoice(pending, choice);
    if (!fed && !ExitRequested()) {
        AnswerGiven.Raise(pending, choice);
    }
    CarryOut(choice);
    Advance();
}

void qlGame::CarryOut(const Choice& choice) {
    const qlCards& cards = choice.cards;
    const DecisionKind kind = std::exchange(mState.awaiting, DecisionKind::None);
    switch (kind) {
        case DecisionKind::Role:
            SelectRole(choice.role);
            break;
        case DecisionKind::Chapel:
            BuryInChapel(Player(mState.governorSeat), cards);
            break;
        case DecisionKind::HandLimit:
            CutHandToLimit(Player(mState.governorSeat), choice);
            break;
        case DecisionKind::CraneCover:
            AfterCrane(cards);
            break;
        case DecisionKind::BlackMarket:
            AfterBlackMarket(cards);
            break;
        case DecisionKind::Build:
            ChooseBuilding(cards);
            break;
        case DecisionKind::Payment:
            FinishBuild(cards);
            break;
        case DecisionKind::CouncilKeep:
            KeepCouncilCards(choice);
            break;
        case DecisionKind::GoldMine:
            if (!choice.givenUp.Empty()) {
                mState.turn.offered = choice.givenUp;
            }
            FinishGoldMine(cards);
            break;
        case DecisionKind::Produce:
            ProducerPhase(cards);
            break;
        case DecisionKind::Trade:
            TraderPhase(cards);
            break;
        case DecisionKind::None:
            break;
    }
}
