// The role valuation: what each role is worth to every seat at the table, and so what choosing
// it gains the deciding seat over the others.

#include "ai/RoleValuation.h"

#include <algorithm>
#include <array>

#include "ai/CardValue.h"
#include "ai/ComputerPlayer.h"
#include "ai/Stage.h"

namespace {

// What the privilege of a role is worth to a seat: nothing without it, more when its Library
// doubles it.
double PrivilegeWorth(const qlPlayer& seat, double withLibrary, double without) {
    if (!seat.GetsRoleBenefit()) {
        return 0;
    }
    return seat.LibraryActive() ? withLibrary : without;
}

// Late in the game a seat whose best card is poor wants cards more and building less: the
// shortfall of that card's value below 5, in quarters, rounded.
long LateShortfall(ai::CardValues& mine, const Card& card) {
    return ai::RoundToEven((5 - mine.Of(*card)) / 4);
}

double Councillor(ai::CardValues& mine, const qlPlayer& seat, int room) {
    const qlPlayer& me = mine.Seat();
    double v = PrivilegeWorth(seat, 0.3, 0.2);
    if (seat.HasBuiltCard("Prefecture")) {
        v += 1;
    }
    const bool isMe = &seat == &me;
    if (!isMe || me.Game().BuildingsLeft > 5) {
        // Cards beyond the hand limit are lost again in the governor phase.
        if (v > room) {
            v = room;
        }
    } else if (seat.CardsInHand().Count() >= 5) {
        const ai::ValuedCard& best = mine.BestBuildableInHand();
        const long x = !best.card ? 5 : ai::RoundToEven((5 - best.value) / 4);
        if (x > 0) {
            v += static_cast<double>(x);
        }
    }
    return v;
}

// The chance that an opponent cannot build, by its hand size and how many of the two
// cost-reducing buildings it has.
double ChanceCannotBuild(int handSize, int reducers) {
    // Columns: both buildings, one of them, neither.
    static constexpr double kChance[5][3] = {
        {1, 1, 1},           // no card
        {0.76, 0.88, 1},     // one card
        {0.52, 0.64, 0.76},  // two cards
        {0.04, 0.16, 0.28},  // three cards
        {0, 0.002, 0.04},    // four cards
    };
    if (handSize >= 5) {
        return 0;
    }
    return kChance[handSize][2 - reducers];
}

double Builder(ai::CardValues& mine, const qlPlayer& seat, int room) {
    const qlPlayer& me = mine.Seat();
    double v = PrivilegeWorth(seat, 2, 1);
    if (room < 0) {
        v += -room;
    }
    if (&seat == &me) {
        const Card toBuild = ai::AIGetCardToBuild(mine, 0);
        if (!toBuild) {
            v = me.HasBuiltCard("Crane") && me.BuiltCards().Count() > 1 ? -1 : -999;
        } else if (me.Game().BuildingsLeft <= 5) {
            const long x = LateShortfall(mine, toBuild);
            if (x > 0) {
                v -= static_cast<double>(x);
            }
        }
        return v;
    }
    const int reducers =
        (seat.HasBuiltCard("Quarry") ? 1 : 0) + (seat.HasBuiltCard("Smithy") ? 1 : 0);
    const double c = ChanceCannotBuild(seat.CardsInHand().Count(), reducers);
    v = v - (v + 2) * c;
    return v;
}

double Producer(const qlPlayer& seat, int room) {
    // Without the privilege the seat produces what it would under any chooser: it gains
    // nothing, and its measure need not be taken twice.
    if (!seat.GetsRoleBenefit()) {
        return static_cast<double>(std::min<long>(0, room));
    }
    const double base = ai::CardsFromProducingAvg(seat, false, false);
    const double own =
        ai::CardsFromProducingAvg(seat, seat.GetsRoleBenefit(), seat.LibraryActive());
    const long gain = ai::RoundToEven(own - base);
    return static_cast<double>(std::min<long>(gain, room));
}

double Trader(const qlPlayer& seat, int room) {
    const long gain = ai::RoundToEven(
        ai::CardsFromTradingAvg(seat, seat.GetsRoleBenefit(), seat.LibraryActive()));
    return static_cast<double>(std::min<long>(gain, room));
}

double Prospector(const qlPlayer& seat) {
    double v = PrivilegeWorth(seat, 2, 1);
    if (seat.HasBuiltCard("Gold Mine")) {
        v += 0.2;
    }
    return v;
}

}  // namespace

namespace ai {

std::array<double, 5> RoleEstimates(CardValues& mine, const qlPlayer& seat) {
    const int room = seat.CardsAllowed() - static_cast<int>(seat.CardsInHand().Count());
    return {Councillor(mine, seat, room), Builder(mine, seat, room), Producer(seat, room),
            Trader(seat, room), Prospector(seat)};
}

std::array<double, 5> AIRoleValues(CardValues& mine) {
    const qlPlayer& me = mine.Seat();
    const double weight = ai::Players(me.Game()) - 1;
    std::array<double, 5> total = RoleEstimates(mine, me);
    for (double& value : total) {
        value = weight * value;
    }
    for (const qlPlayer* seat : mine.Others()) {
        const std::array<double, 5> theirs = RoleEstimates(mine, *seat);
        for (std::size_t role = 0; role < total.size(); ++role) {
            total[role] -= theirs[role];
        }
    }
    return total;
}

}  // namespace ai
