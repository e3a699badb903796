#include "game/PlayOut.h"

#include <algorithm>

#include "core/Random.h"
#include "game/qlGame.h"

PlayOutResult ResultFor(const qlGame& game, Integer seat) {
    const qlPlayer& me = game.Player(seat);
    Integer best = 0;
    for (Integer n = 1; n <= game.NumberOfPlayers(); ++n) {
        if (n != seat) {
            best = std::max(best, game.Player(n).Points());
        }
    }
    return {&game.GetWinner() == &me, me.Points() - best};
}

std::uint64_t SampleSeed(std::uint64_t decisionSeed, int sample) {
    Random::Generator mix(decisionSeed ^
                          (0xD1B54A32D192ED03ULL * static_cast<std::uint64_t>(sample + 1)));
    return mix.NextBits();
}

int Halvings(int options) {
    int rounds = 0;
    for (int left = options; left > 1; left = (left + 1) / 2) {
        ++rounds;
    }
    return rounds;
}
