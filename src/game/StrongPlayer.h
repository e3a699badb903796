#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "cards/qlCards.h"
#include "core/Types.h"
#include "game/Decision.h"
#include "game/LookAhead.h"

class qlGame;
class qlPlayer;
class Table;

// The strong computer player: at its role choice, its build choice and its councillor's keep it
// plays the options on in copies of the game, everything it cannot see dealt afresh in each, every
// seat of the copies playing by the standard rules, and takes the option that wins most often (the
// better points margin breaking a tie). Each decision spends a fixed number of copies by successive
// halving: every option is tried on the same deals, the worse half dropped, and the survivors
// tried further until one is left. The number of copies and the deals depend on nothing but
// the seed, so a seeded game repeats however many threads think; its own generator keeps its
// thinking apart from the game's random sequence.
class StrongPlayer : public LookAhead {
  public:
    // Copies played per decision: on two cores half the decisions of a four-player game take
    // under a fifth of a second and none a whole second.
    static constexpr int kDefaultBudget = 3072;

    // The choice of option `option` (counting from 0) in a copy of the game, at the decision the
    // copy waits for.
    using Force = std::function<Choice(const qlGame& copy, int option)>;

    // For seat `seat`, seeded with `seed`; `budget` copies per decision, played on `threads`
    // worker threads (0: one per core) that live as long as the player.
    StrongPlayer(Integer seat, std::uint64_t seed, int budget = kDefaultBudget, int threads = 0);
    // The seed of seat `seat`'s own generator in the game seeded with `gameSeed`: mixed, so that
    // no seat's sampling can line up with the game's own random sequence.
    static std::uint64_t SeedFor(std::uint64_t gameSeed, Integer seat);

    // The role to choose (0 to 4) among the free ones of `game`, at the seat's role choice.
    // Thinking stops once `table` asks to leave: the table is closing, or the answer is no
    // longer wanted.
    int PickRole(const qlGame& game, Table& table);
    // The hand card to build (none for nothing) at the seat's build choice.
    qlCards ChooseBuilding(const qlGame& game, Table& table, const qlPlayer& seat, Integer savings);
    // The cards to keep, `keep` of them, of those `drawn` at the seat's councillor choice; leaves
    // `drawn` holding the others.
    qlCards ChooseCouncilKeep(const qlGame& game, Table& table, const qlPlayer& seat,
                              qlCards& drawn, Integer keep);
    // The best of `options` decisions the seat may take in `game`, `force` setting the
    // decision in each copy. Rethrows whatever a copy threw.
    Verdict Decide(const qlGame& game, Table& table, int options, const Force& force);

  private:
    struct Tally {
        long wins = 0;
        long margin = 0;
    };
    // The option to take of `options` (at least one): Decide's, or the only one, without a copy
    // played and with an empty verdict.
    std::size_t Choose(const qlGame& game, Table& table, std::size_t options, const Force& force);
    Tally PlayOut(const qlGame& game, std::uint64_t sampleSeed, const Force& force,
                  int option) const;
};
