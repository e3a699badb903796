#include "game/ForcedDecider.h"

#include <utility>

#include "cards/qlCards.h"
#include "players/qlPlayer.h"

ForcedDecider ForcedDecider::Role(int index) {
    ForcedDecider decider;
    decider.mRole = index;
    return decider;
}

ForcedDecider ForcedDecider::Build(std::string name) {
    ForcedDecider decider;
    decider.mBuild = std::move(name);
    return decider;
}

ForcedDecider ForcedDecider::Keep(Names names) {
    ForcedDecider decider;
    decider.mKeep = std::move(names);
    return decider;
}

int ForcedDecider::PickRole(const qlGame& game, qlPlayer& seat) {
    if (mRole) {
        return *std::exchange(mRole, std::nullopt);
    }
    return StandardDecider::PickRole(game, seat);
}

DeckRef ForcedDecider::Building(const qlGame& game, qlPlayer& seat, Integer savings) {
    if (!mBuild) {
        return StandardDecider::Building(game, seat, savings);
    }
    const std::string name = *std::exchange(mBuild, std::nullopt);
    DeckRef choice = NewDeck();
    if (const DeckRef named = seat.CardsInHand()->GetCardsByName(name); !named->Empty()) {
        choice->AddCard(named->Item(1));
    }
    return choice;
}

DeckRef ForcedDecider::CouncilKeep(const qlGame& game, qlPlayer& seat, const DeckRef& drawn,
                                   Integer keep, bool archive) {
    if (!mKeep) {
        return StandardDecider::CouncilKeep(game, seat, drawn, keep, archive);
    }
    return drawn->DealCardsByName(*std::exchange(mKeep, std::nullopt));
}
