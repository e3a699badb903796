#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "cards/qlCards.h"
#include "core/Random.h"
#include "players/qlPlayer.h"

// Small table states for tests: cards made from the game's catalogue by name, and seats built
// from lists of names.
namespace testing_support {

// A new card with the catalogue's cost, points and type for `name`. A name the catalogue does
// not hold makes a violet card of cost 1 and no points.
CardRef MakeCard(const std::string& name);

// A new collection of new cards, in the order given.
DeckRef MakeDeck(std::initializer_list<std::string> names);
DeckRef MakeDeck(const std::vector<std::string>& names);

// The building names of a collection, in order.
std::vector<std::string> Names(const qlCards& cards);

// Puts a good (a fresh "Indigo Plant" card) on every production building of the city whose
// name is in `names`; each name takes one building, the first without a good.
void PutGoods(qlPlayer& player, std::initializer_list<std::string> names);

// A seat with the given city (built through BuildCard) and hand.
struct SeatSpec {
    std::vector<std::string> city{};
    std::vector<std::string> hand{};
    bool roleBenefit = false;
    bool libraryActive = false;
};
std::unique_ptr<qlPlayer> MakeSeat(const SeatSpec& spec);

// Links seats into a ring in the order given.
void LinkRing(const std::vector<qlPlayer*>& seats);

// Installs a fixed seed source for the lifetime of the guard, then restores the time of day.
class SeedGuard {
  public:
    explicit SeedGuard(std::uint64_t seed) { Random::SetSeedSource(Random::SeededSource(seed)); }
    SeedGuard(const SeedGuard&) = delete;
    SeedGuard& operator=(const SeedGuard&) = delete;
    ~SeedGuard() { Random::SetSeedSource(Random::TimeOfDaySource()); }
};

}  // namespace testing_support
