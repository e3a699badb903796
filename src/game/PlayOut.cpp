#include "game/PlayOut.h"

#include <algorithm>
#include <numeric>

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

namespace {

// How many times `options` must be halved (rounding up) to leave one.
int Halvings(int options) {
    int rounds = 0;
    for (int left = options; left > 1; left = (left + 1) / 2) {
        ++rounds;
    }
    return rounds;
}

}  // namespace

int SuccessiveHalving(int options, int budget, const HalvingRound& play, const HalvingOrder& better,
                      const std::function<bool()>& stopped) {
    std::vector<int> alive(static_cast<std::size_t>(std::max(1, options)));
    std::iota(alive.begin(), alive.end(), 0);
    const int rounds = Halvings(options);
    for (int dealt = 0; alive.size() > 1 && !stopped();) {
        const int each = std::max(1, budget / (static_cast<int>(alive.size()) * rounds));
        play(alive, dealt, each);
        dealt += each;
        std::stable_sort(alive.begin(), alive.end(), better);
        alive.resize((alive.size() + 1) / 2);
    }
    return alive.front();
}
