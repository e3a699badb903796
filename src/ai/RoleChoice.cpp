// The computer seat's role choice and the measures of producing and trading it rests on.

#include <algorithm>
#include <array>

#include "ai/Stage.h"
#include "cards/qlCard.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"

namespace {

constexpr double kNoScore = -9999;

// The goods a seat can make use of, by their average worth: the first `slots` fill the slots;
// a later good goes into a slot worth less than its own worth rounded, the scan lowering that
// bar to the rounded worth of each such slot it passes. The rounded bar is coarse:
// a 1.4 good leaves a 1.0 one in place, while a 2.2 good displaces a 1.8 one.
// `keep` picks the production buildings that count; a phase has at most four slots.
template <typename Keep>
double SlotTotal(const qlCards& city, Keep keep, int slots) {
    std::array<double, 4> slot{};
    const auto used = static_cast<std::size_t>(std::clamp(slots, 0, 4));
    std::size_t filled = 0;
    for (const CardRef& building : city) {
        if (building->BuildingType() != 0 || !keep(*building)) {
            continue;
        }
        const double worth = building->AvgTradeWorth();
        if (filled < used) {
            slot[filled] = worth;
            ++filled;
            continue;
        }
        double threshold = static_cast<double>(ai::RoundToEven(worth));
        std::size_t chosen = used;
        for (std::size_t s = 0; s < used; ++s) {
            if (slot[s] < threshold) {
                threshold = static_cast<double>(ai::RoundToEven(slot[s]));
                chosen = s;
            }
        }
        if (chosen < used) {
            slot[chosen] = worth;
        }
    }
    double sum = 0;
    for (std::size_t s = 0; s < used; ++s) {
        sum += slot[s];
    }
    return sum;
}

// The goods one phase handles: one, the privilege's second, the Library's third, and one more
// from the building that widens the phase.
Integer PhasePower(const qlPlayer& player, bool roleChooser, bool library, RuleBuilding building) {
    int power = 1;
    if (roleChooser) {
        power = library ? 3 : 2;
    }
    if (player.HasBuiltCard(building)) {
        ++power;
    }
    return static_cast<Integer>(power);
}

}  // namespace

int qlPlayer::AIPickRole(const std::array<bool, 5>& rolesFree) const {
    std::array<double, 5> score{};
    for (int i = 0; i < 5; ++i) {
        score[static_cast<std::size_t>(i)] = AIRoleValue(i);
    }
    const std::array<double, 5> original = score;

    for (int attempt = 0; attempt < 5; ++attempt) {
        double bestValue = kNoScore;
        int bestIndex = -1;
        for (int j = 0; j < 5; ++j) {
            if (score[static_cast<std::size_t>(j)] > bestValue) {
                bestValue = score[static_cast<std::size_t>(j)];
                bestIndex = j;
            }
        }
        if (bestIndex < 0) {
            break;  // what is left scores no better than the mark; handled below
        }
        if (rolesFree[static_cast<std::size_t>(bestIndex)]) {
            return bestIndex;
        }
        score[static_cast<std::size_t>(bestIndex)] = kNoScore;
    }

    // A free role whose score does not beat the mark is still a legal choice: take the best
    // such, the lower index on equal scores.
    int fallback = -1;
    for (int j = 0; j < 5; ++j) {
        const auto jj = static_cast<std::size_t>(j);
        if (rolesFree[jj] &&
            (fallback < 0 || original[jj] > original[static_cast<std::size_t>(fallback)])) {
            fallback = j;
        }
    }
    if (fallback >= 0) {
        return fallback;
    }
    Pause();
    return 0;
}

void qlPlayer::Pause() const {
    if (mGame->Pause) {
        mGame->Pause(kComputerPause);
    }
}

Integer qlPlayer::TradingPower(bool roleChooser, bool library) const {
    return PhasePower(*this, roleChooser, library, "Trading Post");
}

Integer qlPlayer::ProducingPower(bool roleChooser, bool library) const {
    return PhasePower(*this, roleChooser, library, "Aqueduct");
}

double qlPlayer::CardsFromTradingAvg(bool roleChooser, bool library) const {
    const int n = TradingPower(roleChooser, library);
    const Long goods = GoodsOnBuildings();
    double sum = SlotTotal(
        *mBuiltCards, [](const qlCard& b) { return b.GoodPresent() != nullptr; }, n);
    if (HasBuiltCard("Market Stand") && goods >= 2 && n >= 2) {
        sum += 1;
    }
    if (HasBuiltCard("Market Hall")) {
        sum += 1;
    }
    if (HasBuiltCard("Black Market")) {
        sum -= goods >= 2 ? 1 : 0.5;
    }
    return sum;
}

double qlPlayer::CardsFromProducingAvg(bool roleChooser, bool library) const {
    const int n = ProducingPower(roleChooser, library);
    const auto open = [](const qlCard& b) { return b.GoodPresent() == nullptr; };
    double sum = SlotTotal(*mBuiltCards, open, n);
    if (HasBuiltCard("Well") && n >= 2 &&
        std::count_if(mBuiltCards->begin(), mBuiltCards->end(), [&open](const CardRef& b) {
            return b->BuildingType() == 0 && open(*b);
        }) >= 2) {
        sum += 1;
    }
    return sum;
}
