#pragma once

#include <cstdint>
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

// A new card with the catalogue's cost, points and type for `name`; an unknown name makes a
// violet card of cost 1 and no points.
CardRef MakeCard(const std::string& name);
// A new collection of new cards, in the order given.
DeckRef MakeDeck(const std::vector<std::string>& names);
// The building names, or the card objects, of a collection in order.
std::vector<std::string> Names(const qlCards& cards);
std::vector<const qlCard*> Ids(const qlCards& cards);
// Names separated by commas, in order; none for an empty text.
std::vector<std::string> Split(const std::string& names);

// A seat with the given city (built through BuildCard) and hand, from comma-separated names.
std::unique_ptr<qlPlayer> Seat(const std::string& city, const std::string& hand = "",
                               bool roleBenefit = false, bool libraryActive = false);
// Puts a good on the first production building without one of each name given.
void PutGoods(qlPlayer& player, const std::vector<std::string>& names);
// Links seats into a ring in the order given.
void LinkRing(const std::vector<qlPlayer*>& seats);

// Installs a fixed seed source for the lifetime of the guard, then restores the time of day.
struct SeedGuard {
    explicit SeedGuard(std::uint64_t seed) { Random::SetSeedSource(Random::SeededSource(seed)); }
    SeedGuard(const SeedGuard&) = delete;
    ~SeedGuard() { Random::SetSeedSource(Random::TimeOfDaySource()); }
};

// Sets the players and the stage with no pause, and restores four players and no city grown.
struct TableGlobals {
    TableGlobals(Integer players, Integer buildingsLeft) {
        modGlobal::SetNumberOfPlayers(players);
        modGlobal::SetBuildingsLeft(buildingsLeft);
        modGlobal::SetPauseLength(0);
    }
    TableGlobals(const TableGlobals&) = delete;
    ~TableGlobals() {
        modGlobal::SetNumberOfPlayers(4);
        modGlobal::SetBuildingsLeft(11);
    }
};

// Counts the computer pauses made while it lives, and the length asked for by the last one.
struct PauseCounter {
    PauseCounter() {
        SetPauseHandler([this](Long milliseconds) {
            ++count;
            lastLength = milliseconds;
        });
    }
    PauseCounter(const PauseCounter&) = delete;
    ~PauseCounter() { SetPauseHandler(nullptr); }
    int count = 0;
    Long lastLength = -1;
};

}  // namespace testing_support
