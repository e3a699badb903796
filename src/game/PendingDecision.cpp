// The decision a game waits for, the choices the rules allow there, and carrying one out.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

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

// Refuses the first card of `cards` that is nothing, is not one of `pool`, or was chosen
// already: before it in `cards`, or among the cards whose places in the pool `taken` marks.
// Each card found is marked there. A choice holds a few cards: looking each up in turn is
// cheaper than hashing them.
void RequireEachOnce(const Decision& decision, const qlCards& cards, const qlCards& pool,
                     std::vector<bool>* wide, std::uint64_t& taken, const char* what) {
    for (const Card card : cards) {
        const auto found = std::find(pool.begin(), pool.end(), card);
        const auto place = static_cast<std::size_t>(found - pool.begin());
        bool twice = false;
        if (found != pool.end()) {
            if (wide) {
                twice = (*wide)[place];
                (*wide)[place] = true;
            } else {
                twice = (taken >> place & 1) != 0;
                taken |= std::uint64_t{1} << place;
            }
        }
        if (!card || found == pool.end() || twice) {
            Refuse(decision, std::string(card ? card->BuildingName() : "nothing") +
                                 " is not one of the " + what + " on offer");
        }
    }
}

// The places of a pool taken by the cards chosen from it: in one word for a pool of up to 64
// cards, as every pool of a game is; in a list of flags for a larger one.
class TakenPlaces {
  public:
    explicit TakenPlaces(const qlCards& pool) {
        if (pool.Count() > 64) {
            mWide.emplace(static_cast<std::size_t>(pool.Count()), false);
        }
    }
    void Require(const Decision& decision, const qlCards& cards, const qlCards& pool,
                 const char* what) {
        RequireEachOnce(decision, cards, pool, mWide ? &*mWide : nullptr, mWord, what);
    }

  private:
    std::uint64_t mWord = 0;
    std::optional<std::vector<bool>> mWide;
};

// Refuses unless `cards` holds from `least` to `most` cards, each once and each of `pool`.
void RequireFrom(const Decision& decision, const qlCards& cards, const qlCards& pool, Long least,
                 Long most, const char* what, TakenPlaces& taken) {
    const Long count = cards.Count();
    if (count < least || count > most) {
        Refuse(decision,
               std::to_string(count) + " " + what + " chosen, where " +
                   (least == most ? std::to_string(least)
                                  : std::to_string(least) + " to " + std::to_string(most)) +
                   " are asked");
    }
    taken.Require(decision, cards, pool, what);
}

void RequireFrom(const Decision& decision, const qlCards& cards, const qlCards& pool, Long least,
                 Long most, const char* what) {
    TakenPlaces taken(pool);
    RequireFrom(decision, cards, pool, least, most, what, taken);
}

// Refuses unless `kept` and `givenUp` together hold each card of `pool` exactly once; `taken`
// marks the places of the kept cards, found in the pool already.
void RequireSplit(const Decision& decision, const qlCards& kept, const qlCards& givenUp,
                  const qlCards& pool, TakenPlaces& taken) {
    if (kept.Count() + givenUp.Count() != pool.Count()) {
        Refuse(decision, "the cards kept and given up are not the cards on offer");
    }
    taken.Require(decision, givenUp, pool, "cards");
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
        case DecisionKind::Chapel:
            decision.options = seat.CardsInHand();
            break;
        case DecisionKind::HandLimit:
            decision.count = mState.firstRound ? Integer{4} : seat.CardsAllowed();
            decision.firstRound = mState.firstRound;
            decision.options = seat.CardsInHand();
            break;
        case DecisionKind::CraneCover:
            decision.options = CraneTargets(seat);
            break;
        case DecisionKind::BlackMarket:
            decision.options = seat.BuildingsWithGoods();
            decision.count = static_cast<Integer>(std::min<Long>(decision.options.Count(), 2));
            break;
        case DecisionKind::Build:
            decision.savings = *BuildSavings();
            decision.options = seat.CardsInHand();
            break;
        case DecisionKind::Payment:
            decision.count = mState.turn.cost;
            decision.options = seat.CardsInHand();
            break;
        case DecisionKind::CouncilKeep:
            decision.keep = mState.turn.keep;
            decision.archive = mState.turn.archive;
            decision.offered = mState.turn.offered;
            if (mState.turn.archive) {
                decision.options = seat.CardsInHand();
                decision.options.AddCards(mState.turn.offered);
            } else {
                decision.options = mState.turn.offered;
            }
            break;
        case DecisionKind::GoldMine:
            decision.offered = mState.turn.offered;
            decision.options = mState.turn.offered;
            break;
        case DecisionKind::Produce:
            decision.count = seat.ProducingPower(seat.GetsRoleBenefit(), seat.LibraryActive());
            decision.options = seat.OpenProductionBuildings();
            break;
        case DecisionKind::Trade:
            decision.count = seat.TradingPower(seat.GetsRoleBenefit(), seat.LibraryActive());
            decision.options = seat.BuildingsWithGoods();
            break;
        case DecisionKind::None:
            break;
    }
    return decision;
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
            TakenPlaces taken(options);
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
            TakenPlaces taken(options);
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
    CheckChoice(pending, choice);
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
