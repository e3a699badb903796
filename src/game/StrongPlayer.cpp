#include "game/StrongPlayer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>

#include "cards/qlCard.h"
#include "game/HeadlessTable.h"
#include "game/qlGame.h"

namespace {

// Mixes a decision's seed with a sample number into the seed of one copy.
std::uint64_t SampleSeed(std::uint64_t decisionSeed, int sample) {
    Random::Generator mix(decisionSeed ^
                          (0xD1B54A32D192ED03ULL * static_cast<std::uint64_t>(sample + 1)));
    return mix.NextBits();
}

// A copy still without a full city this many rounds on counts as neither won nor lost.
constexpr Long kRoundsAhead = 40;

}  // namespace

StrongPlayer::StrongPlayer(Integer seat, std::uint64_t seed, int playouts, int threads)
    : mSeat(seat),
      mGenerator(seed),
      mPlayouts(std::max(1, playouts)),
      mThreads(threads > 0 ? threads
                           : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))) {}

StrongPlayer::Tally StrongPlayer::PlayOut(const qlGame& game, std::uint64_t sampleSeed,
                                          const auto& force, int option) const {
    HeadlessTable table;
    qlGame copy(game, table);
    for (Integer n = 1; n <= 4; ++n) {
        copy.SetComputerSeat(n);
    }
    Random::Generator generator(sampleSeed);
    copy.RedealHidden(mSeat, generator);
    copy.ReseedFuture(generator.NextBits());
    force(copy, option);
    copy.SetRoundLimit(game.Rounds() + kRoundsAhead);
    if (copy.PlayOn() != qlGame::Outcome::Finished) {
        return {};
    }
    const qlPlayer& me = copy.Player(mSeat);
    Integer best = 0;
    for (Integer n = 1; n <= copy.NumberOfPlayers(); ++n) {
        if (n != mSeat) {
            best = std::max(best, copy.Player(n).Points());
        }
    }
    return {&copy.GetWinner() == &me ? 1 : 0, me.Points() - best};
}

template <typename Force>
int StrongPlayer::BestOption(const qlGame& game, Table& table, int options, const Force& force) {
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t decisionSeed = mGenerator.NextBits();
    const int jobs = options * mPlayouts;
    std::vector<Tally> tallies(static_cast<std::size_t>(jobs));
    std::atomic<int> nextJob{0};
    std::atomic<bool> stop{false};
    const auto work = [&] {
        for (int job; !stop && (job = nextJob++) < jobs;) {
            // The same deals for every option: the options are compared on equal luck.
            tallies[static_cast<std::size_t>(job)] =
                PlayOut(game, SampleSeed(decisionSeed, job % mPlayouts), force, job / mPlayouts);
        }
    };
    std::vector<std::future<void>> workers;
    for (int t = 0; t < std::min(mThreads, jobs); ++t) {
        workers.push_back(std::async(std::launch::async, work));
    }
    for (std::future<void>& worker : workers) {
        while (worker.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
            table.ProcessEvents();
            if (table.ExitRequested()) {
                stop = true;
            }
        }
    }
    int best = 0;
    Tally bestTally{-1, 0};
    for (int option = 0; option < options; ++option) {
        Tally sum;
        for (int k = 0; k < mPlayouts; ++k) {
            const Tally& t = tallies[static_cast<std::size_t>(option * mPlayouts + k)];
            sum.wins += t.wins;
            sum.margin += t.margin;
        }
        if (sum.wins > bestTally.wins ||
            (sum.wins == bestTally.wins && sum.margin > bestTally.margin)) {
            best = option;
            bestTally = sum;
        }
    }
    mDecisionSeconds.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return best;
}

int StrongPlayer::PickRole(const qlGame& game, Table& table) {
    std::vector<int> free;
    for (int role = 0; role < 5; ++role) {
        if (game.RolesFree()[static_cast<std::size_t>(role)]) {
            free.push_back(role);
        }
    }
    if (free.size() <= 1) {
        return free.empty() ? 0 : free.front();
    }
    const int option = BestOption(
        game, table, static_cast<int>(free.size()),
        [&free](qlGame& copy, int o) { copy.ForceRole(free[static_cast<std::size_t>(o)]); });
    return free[static_cast<std::size_t>(option)];
}

DeckRef StrongPlayer::ChooseBuilding(const qlGame& game, Table& table, const qlPlayer& seat,
                                     Integer savings) {
    // Building nothing, or one card of each name the seat can build.
    std::vector<CardRef> choices{nullptr};
    const DeckRef buildable = seat.GetBuildableCards(nullptr, savings);
    for (const CardRef& card : *buildable) {
        if (std::none_of(choices.begin() + 1, choices.end(), [&card](const CardRef& c) {
                return c->BuildingName() == card->BuildingName();
            })) {
            choices.push_back(card);
        }
    }
    DeckRef chosen = NewDeck();
    if (choices.size() == 1) {
        return chosen;
    }
    const int option =
        BestOption(game, table, static_cast<int>(choices.size()), [&choices](qlGame& copy, int o) {
            const CardRef& card = choices[static_cast<std::size_t>(o)];
            copy.ForceBuild(card ? card->BuildingName() : "");
        });
    if (const CardRef& card = choices[static_cast<std::size_t>(option)]) {
        chosen->AddCard(card);
    }
    return chosen;
}
