// The computer seat's role choice and the measures of producing and trading it rests on.

#include <algorithm>
#include <array>

#include "ai/ComputerPlayer.h"
#include "ai/RoleValuation.h"
#include "ai/Stage.h"
#include "cards/qlCard.h"
#include "cards/qlCards.h"

namespace {

constexpr double kNoScore = -9999;

// The goods a seat can make use of, by their average worth: the first `slots` fill the slots;
// a later good goes into a slot worth less than its own worth rounded, the scan lowering that
// bar to the rounded worth of each such slot it passes. The rounded bar is coarse:
// a 1.4 good leaves a 1.0 one in place, while a 2.2 good displaces a 1.8 one.
// The production buildings that count are those of the seat's city with a good on them, or
// those without one; a phase has at most four slots.
double SlotTotal(const qlPlayer& seat, bool withGood, int slots) {
    std::array<double, 4> slot;
    const auto used = static_cast<std::size_t>(std::clamp(slots, 0, 4));
    std::size_t filled = 0;
    seat.VisitProduction(withGood, [&](const Card& building) {
        const double worth = building->AvgTradeWorth();
        if (filled < used) {
            slot[filled] = worth;
            ++filled;
            return;
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
    });
    // A slot left empty would add nothing.
    double sum = 0;
    for (std::size_t s = 0; s < filled; ++s) {
        sum += slot[s];
    }
    return sum;
}

}  // namespace

namespace ai {

int AIPickRole(const qlPlayer& seat, Opponents opponents, const std::array<bool, 5>& rolesFree) {
    CardValues mine(seat, opponents);
    std::array<double, 5> score = AIRoleValues(mine);
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
    return std::max(fallback, 0);
}

double CardsFromTradingAvg(const qlPlayer& seat, bool roleChooser, bool library) {
    const int n = seat.TradingPower(roleChooser, library);
    const bool stand = seat.HasBuiltCard("Market Stand");
    const bool blackMarket = seat.HasBuiltCard("Black Market");
    // The goods are counted only for the buildings that weigh them.
    const Long goods = stand || blackMarket ? seat.GoodsOnBuildings() : 0;
    double sum = SlotTotal(seat, true, n);
    if (stand && goods >= 2 && n >= 2) {
        sum += 1;
    }
    if (seat.HasBuiltCard("Market Hall")) {
        sum += 1;
    }
    if (blackMarket) {
        sum -= goods >= 2 ? 1 : 0.5;
    }
    return sum;
}

double CardsFromProducingAvg(const qlPlayer& seat, bool roleChooser, bool library) {
    const int n = seat.ProducingPower(roleChooser, library);
    double sum = SlotTotal(seat, false, n);
    if (seat.HasBuiltCard("Well") && n >= 2 && seat.OpenProductionCount() >= 2) {
        sum += 1;
    }
    return sum;
}

}  // namespace ai
