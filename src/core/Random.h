#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <utility>

// The program's one random generator (SplitMix64), so that a seed replays the same game on
// every platform. Nothing else in the program draws random numbers.
namespace Random {

using SeedSource = std::function<std::uint64_t()>;

// Microseconds since local midnight: the seed of an ordinary game.
SeedSource TimeOfDaySource();

// A repeatable source for game seed G: its k-th call returns G * 1000003 + k.
SeedSource SeededSource(std::uint64_t gameSeed);

// A game's random sequence: the generator's state, set afresh from its seed source at every
// reseed. Each game holds its own and hands it to whatever draws, so that several games (a game
// and the copies a computer seat plays on) can run at once, and a copy draws on from where its
// original stood.
class Stream {
  public:
    explicit Stream(SeedSource seeds = TimeOfDaySource()) : mSeeds(std::move(seeds)) {}

    // Sets the generator's state from the seed source.
    void Reseed() { mState = mSeeds(); }
    // Takes its seeds from `seeds` from now on.
    void SetSeeds(SeedSource seeds) { mSeeds = std::move(seeds); }
    // A uniform number in [0, 1).
    double Next();
    // A uniform number in [0, 1) of single precision, never rounded up to 1.
    float NextSingle();
    // floor(Next() * count): a uniform index from 0 to count - 1 (0 when count is 0 or less).
    int NextIndex(int count);
    // The draws of taking ranks.size() things out one at a time: ranks[i] is a uniform index
    // below ranks.size() - i, drawn in turn exactly as NextIndex would draw it.
    void NextRanks(std::span<std::uint32_t> ranks);

  private:
    SeedSource mSeeds;
    std::uint64_t mState = 0;
};

// A generator of the same kind with a state of its own: what a computer seat draws while it
// thinks never moves the game's own sequence.
class Generator {
  public:
    explicit Generator(std::uint64_t seed) : mState(seed) {}
    // Where the sequence stands: Generator(State()) goes on as this one does.
    std::uint64_t State() const { return mState; }
    // The next 64 random bits.
    std::uint64_t NextBits();
    // floor(next * count): a uniform index from 0 to count - 1 (0 when count is 0 or less).
    int NextIndex(int count);

  private:
    std::uint64_t mState;
};

}  // namespace Random
