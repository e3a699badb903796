#include "game/StrongDecider.h"

#include "game/StrongPlayer.h"

int StrongDecider::PickRole(const qlGame& game, qlPlayer&) {
    return mPlayer.PickRole(game, mTable);
}

DeckRef StrongDecider::Building(const qlGame& game, qlPlayer& seat, Integer savings) {
    return mPlayer.ChooseBuilding(game, mTable, seat, savings);
}
