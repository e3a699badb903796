#include "players/qlPlayer.h"

namespace {

// The Triumphal Arch's bonus for how many of the three monuments the city holds.
int ArchBonus(int monuments) {
    constexpr int kBonus[] = {0, 4, 6, 8};
    return kBonus[monuments];
}

}  // namespace

Integer qlPlayer::Points() const {
    const bool palace = HasBuiltCard("Palace");
    const bool guildHall = HasBuiltCard("Guild Hall");
    const bool arch = HasBuiltCard("Triumphal Arch");
    const bool cityHall = HasBuiltCard("City Hall");
    const int monuments = (HasBuiltCard("Statue") ? 1 : 0) +
                          (HasBuiltCard("Victory Column") ? 1 : 0) + (HasBuiltCard("Hero") ? 1 : 0);

    int total = 0;
    for (const CardRef& card : *mBuiltCards) {
        total += card->VictoryPoints();
        if (cityHall && card->BuildingType() == 1) {
            total += 1;
        }
        if (guildHall && card->BuildingType() == 0) {
            total += 2;
        }
    }
    if (arch) {
        total += ArchBonus(monuments);
    }
    total += mChapelCount;
    if (palace) {
        total += total / 4;
    }
    return static_cast<Integer>(total);
}
