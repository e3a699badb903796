#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "cards/qlCards.h"
#include "core/Globals.h"
#include "core/Pause.h"
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

// The card objects of a collection, in order: for checks of identity rather than of name.
std::vector<const qlCard*> Ids(const qlCards& cards);

// Puts a good (a fresh "Indigo Plant" card) on every production building of the city whose
// name is in `names`; each name takes one building, the first without a good.
void PutGoods(qlPlayer& player, std::initializer_list<std::string> names);
void PutGoods(qlPlayer& player, const std::vector<std::string>& names);

// A seat with the given city (built through BuildCard) and hand, from comma-separated names:
// Seat("Indigo Plant,Well", "Smithy").
std::unique_ptr<qlPlayer> Seat(const std::string& city, const std::string& hand = "",
                               bool roleBenefit = false, bool libraryActive = false);

// Names separated by commas, in order; none for an empty text.
std::vector<std::string> Split(const std::string& names);

// Ordering by card value as a plain selection sort that works every card's quotient out afresh
// at each comparison: the yardstick that qlCards::OrderByAIValue must match, and beat for speed.
std::vector<const qlCard*> ReferenceOrderByAIValue(const qlCards& cards, const qlPlayer& seat,
                                                   bool divideByCost);

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

// Sets the game-wide values for one test, with no pause, and restores those of a test run
// (four players, no city grown, no pause) afterwards, so that no test depends on another.
class TableGlobals {
  public:
    TableGlobals(Integer players, Integer buildingsLeft) {
        modGlobal::SetNumberOfPlayers(players);
        modGlobal::SetBuildingsLeft(buildingsLeft);
        modGlobal::SetPauseLength(0);
    }
    TableGlobals(const TableGlobals&) = delete;
    TableGlobals& operator=(const TableGlobals&) = delete;
    ~TableGlobals() {
        modGlobal::SetNumberOfPlayers(4);
        modGlobal::SetBuildingsLeft(11);
        modGlobal::SetPauseLength(0);
    }
};

// Counts the computer pauses made while it lives, and the length asked for by the last one.
class PauseCounter {
  public:
    PauseCounter() {
        SetPauseHandler([this](Long milliseconds) {
            ++count;
            lastLength = milliseconds;
        });
    }
    PauseCounter(const PauseCounter&) = delete;
    PauseCounter& operator=(const PauseCounter&) = delete;
    ~PauseCounter() { SetPauseHandler(nullptr); }

    int count = 0;
    Long lastLength = -1;
};

}  // namespace testing_support
