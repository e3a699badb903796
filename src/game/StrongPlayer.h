#pragma once

#include <cstdint>
#include <vector>

#include "cards/CardRefs.h"
#include "core/Random.h"
#include "core/Types.h"

class qlGame;
class qlPlayer;
class Table;

// The strong computer player: at its role choice and at its build choice it plays every option
// on in many copies of the game, everything it cannot see dealt afresh in each, every seat of
// the copies playing by the standard rules, and takes the option that wins most often (the
// better points margin breaking a tie). The number of copies is fixed, so a seeded game
// repeats; its own generator keeps its thinking apart from the game's random sequence.
class StrongPlayer {
  public:
    static constexpr int kDefaultPlayouts = 96;

    // For seat `seat`, seeded with `seed`; `playouts` copies per option, on up to `threads`
    // worker threads (0: one per core).
    StrongPlayer(Integer seat, std::uint64_t seed, int playouts = kDefaultPlayouts,
                 int threads = 0);

    // The role to choose (0 to 4) among the free ones of `game`, at its role choice. The table
    // keeps running while the copies are played; once it asks to leave, thinking stops.
    int PickRole(const qlGame& game, Table& table);
    // The hand card to build (none for nothing) at the seat's build choice.
    DeckRef ChooseBuilding(const qlGame& game, Table& table, const qlPlayer& seat, Integer savings);

    // Seconds taken by each decision so far.
    const std::vector<double>& DecisionSeconds() const { return mDecisionSeconds; }

  private:
    struct Tally {
        long wins = 0;
        long margin = 0;
    };
    // Plays `playouts` copies per option, `force(copy, option)` setting each copy's choice;
    // returns the best option.
    template <typename Force>
    int BestOption(const qlGame& game, Table& table, int options, const Force& force);
    Tally PlayOut(const qlGame& game, std::uint64_t sampleSeed, const auto& force,
                  int option) const;

    Integer mSeat;
    Random::Generator mGenerator;
    int mPlayouts;
    int mThreads;
    std::vector<double> mDecisionSeconds;
};
