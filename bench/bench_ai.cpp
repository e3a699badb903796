#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "cards/Catalogue.h"
#include "cards/qlCards.h"
#include "core/Globals.h"
#include "players/qlPlayer.h"

// Tables of four seats at three stages of a game, built from fixed lists of names so that every
// run weighs the same decision. Costs, points and types come from the game's catalogue.
namespace {

CardRef Card(const std::string& name) {
    static const std::vector<CatalogueRecord> catalogue = ReadCatalogueFile(CatalogueFile());
    for (const CatalogueRecord& r : catalogue) {
        if (r.name == name) {
            return std::make_shared<qlCard>(r.cost, r.victoryPoints, r.name, r.description, r.type);
        }
    }
    return std::make_shared<qlCard>(1, 0, name, "", 1);
}

DeckRef Deck(const std::vector<std::string>& names) {
    DeckRef deck = NewDeck();
    for (const std::string& name : names) {
        deck->AddCard(Card(name));
    }
    return deck;
}

struct SeatPlan {
    std::vector<std::string> city, hand;
    int goods;  // the first this many production buildings carry a good
};

struct Table {
    std::array<qlPlayer, 4> seats;

    explicit Table(const std::array<SeatPlan, 4>& plans) {
        for (std::size_t i = 0; i < 4; ++i) {
            qlPlayer& seat = seats[i];
            int goods = plans[i].goods;
            for (const std::string& name : plans[i].city) {
                CardRef building = Card(name);
                if (building->BuildingType() == 0 && goods > 0) {
                    building->SetGoodPresent(Card("Indigo Plant"));
                    --goods;
                }
                seat.BuildCard(building);
            }
            seat.SetCardsInHand(Deck(plans[i].hand));
            seat.SetNextPlayer(&seats[(i + 1) % 4]);
        }
        seats[0].SetGetsRoleBenefit(true);
    }
};

void PickRole(benchmark::State& state, Integer buildingsLeft,
              const std::array<SeatPlan, 4>& plans) {
    modGlobal::NumberOfPlayers = 4;
    modGlobal::BuildingsLeft = buildingsLeft;
    Table table(plans);
    const std::array<bool, 5> free = {true, true, true, true, true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.seats[0].AIPickRole(free));
    }
    modGlobal::BuildingsLeft = 11;
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

// Ordering a full hand of twelve cards by value, as the hand limit and payment do.
static void BM_OrderByAIValue_Hand12(benchmark::State& state) {
    modGlobal::NumberOfPlayers = 4;
    modGlobal::BuildingsLeft = 6;
    Table table({{{{"Indigo Plant", "Smithy", "Sugar Mill", "Well"}, {}, 1},
                  {{"Indigo Plant"}, {}, 0},
                  {{"Indigo Plant", "Crane"}, {}, 0},
                  {{"Indigo Plant", "Hero"}, {}, 0}}});
    DeckRef hand = Deck({"Hero", "Market Hall", "Tobacco Storage", "Chapel", "Guild Hall", "Quarry",
                         "Crane", "Palace", "Silver Smelter", "Statue", "Library", "Prefecture"});
    bool perCost = false;
    for (auto _ : state) {
        hand->OrderByAIValue(table.seats[0], perCost);
        perCost = !perCost;  // alternate so that each pass has reordering to do
        benchmark::DoNotOptimize(hand->Item(1));
    }
    modGlobal::BuildingsLeft = 11;
}
BENCHMARK(BM_OrderByAIValue_Hand12);
