#include "game/StrongDecider.h"

#include "game/StrongPlayer.h"

int StrongDecider::PickRole(const qlGame& game, qlPlayer&) {
    return mPlayer.PickRole(game, mTable);
}

DeckRef StrongDecider::Building(const qlGame& game, qlPlayer& seat, Integer savings) {
    return mPlayer.ChooseBuilding(game, mTable, seat, savings);
}

DeckRef StrongDecider::CouncilKeep(const qlGame& game, qlPlayer& seat, const DeckRef& drawn,
                                   Integer keep, bool archive) {
    // With the Archive the whole hand is in the choice: too many ways to keep to weigh each.
    if (archive) {
        return StandardDecider::CouncilKeep(game, seat, drawn, keep, archive);
    }
    const DeckRef kept = mPlayer.ChooseCouncilKeep(game, mTable, seat, drawn, keep);
    PauseAfterMove(seat);
    return kept;
}
