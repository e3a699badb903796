#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "ai/CardValue.h"
#include "ai/ComputerPlayer.h"
#include "cards/qlCards.h"
#include "players/qlPlayer.h"
#include "support/TableHelpers.h"

// Tables of four seats at three stages of a game, built from fixed lists of names so that every
// run weighs the same decision. Costs, points and types come from the game's catalogue.
namespace {

using testing_support::MakeCard;
using testing_support::MakeDeck;

// Ordering by card value as a plain selection sort that works every card's quotient out afresh
// at each comparison: the yardstick that ai::OrderByAIValue must beat for speed.
std::vector<Card> PlainSelectionSort(const qlCards& cards, const qlPlayer& seat,
                                     ai::Opponents opponents, bool divideByCost) {
    std::vector<Card> rest(cards.begin(), cards.end());
    std::vector<Card> result;
    while (!rest.empty()) {
        double best = -9999;
        std::size_t bestPosition = 0;
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const double q =
                ai::AIValue(*rest[i], seat, opponents) / (divideByCost ? rest[i]->Cost() : 1);
            if (q > best) {
                best = q;
                bestPosition = i;
            }
        }
        result.push_back(rest[bestPosition]);
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(bestPosition));
    }
    return result;
}

struct SeatPlan {
    std::vector<std::string> city, hand;
    int goods;  // the first this many production buildings carry a good
};

// Four seats of a four-player game with the given buildings left.
struct Table {
    GameValues game;
    std::array<qlPlayer, 4> seats{qlPlayer(game), qlPlayer(game), qlPlayer(game), qlPlayer(game)};
    // Those the first seat weighs itself against.
    std::array<const qlPlayer*, 3> opponents{&seats[1], &seats[2], &seats[3]};

    Table(const std::array<SeatPlan, 4>& plans, Integer buildingsLeft) {
        game.NumberOfPlayers = 4;
        game.BuildingsLeft = buildingsLeft;
        for (std::size_t i = 0; i < 4; ++i) {
            qlPlayer& seat = seats[i];
            int goods = plans[i].goods;
            for (const std::string& name : plans[i].city) {
                Card building = MakeCard(name);
                seat.BuildCard(building);
                if (building->BuildingType() == 0 && goods > 0) {
                    seat.SetGood(building, MakeCard("Indigo Plant"));
                    --goods;
                }
            }
            seat.SetCardsInHand(MakeDeck(plans[i].hand));
        }
        seats[0].SetGetsRoleBenefit(true);
    }
};

void PickRole(benchmark::State& state, Integer buildingsLeft,
              const std::array<SeatPlan, 4>& plans) {
    Table table(plans, buildingsLeft);
    const std::array<bool, 5> free = {true, true, true, true, true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ai::AIPickRole(table.seats[0], table.opponents, free));
    }
}

}  // namespace

// The governor's first choice: every city is its starting plant, hands of 5 to 8 cards.
static void BM_AIPickRole_Start(benchmark::State& state) {
    PickRole(
        state, 11,
        {{{{"Indigo Plant"}, {"Smithy", "Well", "Coffee Roaster", "Prefecture", "Tower"}, 0},
          {{"Indigo Plant"}, {"Library", "Sugar Mill", "Quarry", "Hero", "Gold Mine", "Well"}, 0},
          {{"Indigo Plant"},
           {"Chapel", "Market Stand", "Indigo Plant", "Statue", "Archive", "Crane", "Palace"},
           0},
          {{"Indigo Plant"},
           {"Trading Post", "Aqueduct", "Silver Smelter", "Tobacco Storage", "City Hall",
            "Carpenter", "Market Hall", "Black Market"},
           0}}});
}
BENCHMARK(BM_AIPickRole_Start);

// Half way: cities of five to seven buildings with goods on some, hands of 4 to 7 cards.
static void BM_AIPickRole_Middle(benchmark::State& state) {
    PickRole(state, 5,
             {{{{"Indigo Plant", "Smithy", "Sugar Mill", "Library", "Coffee Roaster", "Well",
                 "Trading Post"},
                {"Hero", "Market Hall", "Tobacco Storage", "Chapel", "Guild Hall", "Quarry"},
                2},
               {{"Indigo Plant", "Quarry", "Prefecture", "Tobacco Storage", "Crane", "Statue"},
                {"Silver Smelter", "Palace", "Tower", "Gold Mine"},
                1},
               {{"Indigo Plant", "Aqueduct", "Silver Smelter", "Market Stand", "Sugar Mill"},
                {"City Hall", "Victory Column", "Archive", "Well", "Indigo Plant", "Smithy",
                 "Carpenter"},
                3},
               {{"Indigo Plant", "Gold Mine", "Coffee Roaster", "Black Market", "Chapel", "Hero"},
                {"Triumphal Arch", "Library", "Sugar Mill", "Poor House", "Market Hall"},
                1}}});
}
BENCHMARK(BM_AIPickRole_Middle);

// The last round: one city of eleven buildings, the others close behind, hands of 6 to 10.
static void BM_AIPickRole_End(benchmark::State& state) {
    PickRole(state, 1,
             {{{{"Indigo Plant", "Smithy", "Sugar Mill", "Library", "Coffee Roaster", "Well",
                 "Trading Post", "Guild Hall", "Silver Smelter", "Hero", "Tower"},
                {"Market Hall", "Tobacco Storage", "Chapel", "Quarry", "Statue", "Palace", "Crane",
                 "Prefecture"},
                3},
               {{"Indigo Plant", "Quarry", "Prefecture", "Tobacco Storage", "Crane", "Statue",
                 "Carpenter", "City Hall", "Victory Column", "Sugar Mill"},
                {"Silver Smelter", "Palace", "Tower", "Gold Mine", "Hero", "Library"},
                2},
               {{"Indigo Plant", "Aqueduct", "Silver Smelter", "Market Stand", "Sugar Mill",
                 "Coffee Roaster", "Market Hall", "Chapel", "Triumphal Arch"},
                {"City Hall", "Victory Column", "Archive", "Well", "Indigo Plant", "Smithy",
                 "Carpenter", "Hero", "Statue", "Guild Hall"},
                4},
               {{"Indigo Plant", "Gold Mine", "Coffee Roaster", "Black Market", "Chapel", "Hero",
                 "Tobacco Storage", "Palace", "Library", "Well"},
                {"Triumphal Arch", "Sugar Mill", "Poor House", "Market Hall", "Tower", "Prefecture",
                 "Quarry"},
                2}}});
}
BENCHMARK(BM_AIPickRole_End);

// Ordering a full hand of twelve cards by value, as the hand limit and payment do: the
// program's ordering, which values each card once, against the plain selection sort, which
// values the remaining cards again for every place it fills.
template <typename Order>
void OrderHand12(benchmark::State& state, Order order) {
    Table table({{{{"Indigo Plant", "Smithy", "Sugar Mill", "Well"}, {}, 1},
                  {{"Indigo Plant"}, {}, 0},
                  {{"Indigo Plant", "Crane"}, {}, 0},
                  {{"Indigo Plant", "Hero"}, {}, 0}}},
                6);
    qlCards hand =
        MakeDeck({"Hero", "Market Hall", "Tobacco Storage", "Chapel", "Guild Hall", "Quarry",
                  "Crane", "Palace", "Silver Smelter", "Statue", "Library", "Prefecture"});
    bool perCost = false;
    for (auto _ : state) {
        order(hand, table.seats[0], table.opponents, perCost);
        perCost = !perCost;  // alternate so that each pass has reordering to do
    }
}

static void BM_OrderByAIValue_Hand12(benchmark::State& state) {
    OrderHand12(state,
                [](qlCards& hand, const qlPlayer& seat, ai::Opponents opponents, bool perCost) {
                    ai::OrderByAIValue(hand, seat, opponents, perCost);
                    benchmark::DoNotOptimize(hand.Item(1));
                });
}
BENCHMARK(BM_OrderByAIValue_Hand12);

static void BM_OrderByAIValue_Hand12_PlainSelectionSort(benchmark::State& state) {
    OrderHand12(state,
                [](qlCards& hand, const qlPlayer& seat, ai::Opponents opponents, bool perCost) {
                    benchmark::DoNotOptimize(PlainSelectionSort(hand, seat, opponents, perCost));
                });
}
BENCHMARK(BM_OrderByAIValue_Hand12_PlainSelectionSort);

// The same hand ordered twice within one decision, as the hand limit does when it orders the
// distinct cards and then the rest: the card values of the decision value each building once.
static void BM_OrderByAIValue_Hand12_TwiceInOneDecision(benchmark::State& state) {
    OrderHand12(state,
                [](qlCards& hand, const qlPlayer& seat, ai::Opponents opponents, bool perCost) {
                    ai::CardValues values(seat, opponents);
                    ai::OrderByAIValue(hand, values, perCost);
                    ai::OrderByAIValue(hand, values, !perCost);
                    benchmark::DoNotOptimize(hand.Item(1));
                });
}
BENCHMARK(BM_OrderByAIValue_Hand12_TwiceInOneDecision);
