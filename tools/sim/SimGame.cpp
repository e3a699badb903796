#include "SimGame.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>

#include "game/ExpertDecider.h"
#include "game/ExpertPlayer.h"
#include "game/GameChecks.h"
#include "game/GameLogs.h"
#include "game/HeadlessTable.h"
#include "game/StrongDecider.h"
#include "game/StrongPlayer.h"
#include "game/qlGame.h"
#include "record/GameRecordOf.h"

namespace {

// A game log kept in memory and written whole to its file when the game ends, however it ends
// (a broken rule under --check too). A simulated game lasts well under a millisecond, and
// writing through on every line, as the table's log does, would slow a run with --logs by half.
class WholeGameLog {
  public:
    explicit WholeGameLog(std::ostream& file) : mFile(file) {}
    WholeGameLog(const WholeGameLog&) = delete;
    WholeGameLog& operator=(const WholeGameLog&) = delete;
    ~WholeGameLog() { mFile << mText.str(); }
    std::ostream* Text() { return &mText; }

  private:
    std::ostream& mFile;
    std::ostringstream mText;
};

void Require(const std::string& problem, std::uint64_t seed, long game) {
    if (!problem.empty()) {
        throw SimCheckFailure(problem + GameNamed(seed, game));
    }
}

// Seat 1 stands for the player in the record: its computers are expert when another seat is,
// or else strong when another seat is.
ComputerLevel ComputersOf(const SimOptions& options, long n) {
    const auto beyondSeat1 = [](const std::vector<int>& seats) {
        return std::any_of(seats.begin(), seats.end(), [](int seat) { return seat != 1; });
    };
    return beyondSeat1(options.ExpertSeatsOf(n))   ? ComputerLevel::Expert
           : beyondSeat1(options.StrongSeatsOf(n)) ? ComputerLevel::Strong
                                                   : ComputerLevel::Standard;
}

GameCircumstances SimCircumstances(const SimOptions& options, long n,
                                   std::chrono::steady_clock::time_point start) {
    GameCircumstances circumstances;
    circumstances.seed = options.seed + static_cast<std::uint64_t>(n);
    circumstances.humanSeat = 1;
    circumstances.computers = ComputersOf(options, n);
    circumstances.durationMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                   std::chrono::steady_clock::now() - start)
                                   .count();
    circumstances.source = "simulator";
    return circumstances;
}

// The figures of `seats`, played by `players`, in the game that ended.
template <typename Player>
void SumUpSeats(const qlGame& game, const std::vector<int>& seats,
                const std::vector<std::unique_ptr<Player>>& players, SimGameResult& result) {
    const Integer winner = game.GetWinner().PlayerNumber();
    int bestFeatured = -1;
    int bestOther = -1;
    for (Integer seat = 1; seat <= game.NumberOfPlayers(); ++seat) {
        const bool featured = std::find(seats.begin(), seats.end(), seat) != seats.end();
        int& best = featured ? bestFeatured : bestOther;
        best = std::max(best, static_cast<int>(game.Player(seat).Points()));
        result.featuredWon = result.featuredWon || (featured && seat == winner);
    }
    result.featuredMargin = bestFeatured - std::max(bestOther, 0);
    for (const auto& player : players) {
        const std::vector<double>& seconds = player->DecisionSeconds();
        result.decisionSeconds.insert(result.decisionSeconds.end(), seconds.begin(), seconds.end());
    }
}

}  // namespace

std::string GameNamed(std::uint64_t seed, long game) {
    return " (seed " + std::to_string(seed) + ", game " + std::to_string(game) +
           "; replay with --seed " + std::to_string(seed + static_cast<std::uint64_t>(game)) +
           " --games 1)";
}

SimGameResult PlaySimGame(const SimOptions& options, long n, int threads,
                          std::shared_ptr<const std::vector<CatalogueEntry>> catalogue) {
    HeadlessTable table;
    const std::uint64_t gameSeed = options.seed + static_cast<std::uint64_t>(n);
    std::vector<std::unique_ptr<StrongPlayer>> strong;
    std::vector<std::unique_ptr<ExpertPlayer>> experts;
    qlGame game(table, static_cast<Integer>(options.players), 0, Random::SeededSource(gameSeed));
    if (options.catalogue) {
        game.SetCatalogueFile(*options.catalogue);
    }
    game.SetCatalogue(std::move(catalogue));
    for (const int seat : options.StrongSeatsOf(n)) {
        strong.push_back(std::make_unique<StrongPlayer>(
            static_cast<Integer>(seat), StrongPlayer::SeedFor(gameSeed, static_cast<Integer>(seat)),
            options.playouts > 0 ? options.playouts : StrongPlayer::kDefaultBudget, threads));
        game.SetDecider(static_cast<Integer>(seat),
                        std::make_unique<StrongDecider>(*strong.back(), table));
    }
    for (const int seat : options.ExpertSeatsOf(n)) {
        const auto number = static_cast<Integer>(seat);
        experts.push_back(std::make_unique<ExpertPlayer>(
            number, StrongPlayer::SeedFor(gameSeed, number),
            options.expertBudget > 0 ? options.expertBudget : ExpertPlayer::kDefaultBudget,
            threads));
        game.SetDecider(number, std::make_unique<ExpertDecider>(*experts.back(), table));
    }
    std::optional<GameLogs> logs;
    std::optional<WholeGameLog> gameLog;
    if (options.logs) {
        const std::filesystem::path folder = *options.logs / std::to_string(n);
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        logs.emplace(folder);
        if (error || !logs->LogFile || !logs->GameLogFile) {
            throw std::invalid_argument("--logs: cannot write the logs of game " +
                                        std::to_string(n) + " into \"" + folder.string() + "\"");
        }
        gameLog.emplace(*logs->GameLogFile);
        game.SetLogFiles(logs->LogFile.get(), gameLog->Text());
    }
    Subscription afterRole;
    Subscription afterGovernor;
    if (options.check) {
        afterRole = game.RolePerformed.Subscribe([&](const qlGame& g) {
            Require(CheckCardsConserved(g), options.seed, n);
            Require(CheckScoreBreakdowns(g), options.seed, n);
        });
        afterGovernor = game.GovernorPhasesDone.Subscribe([&](const qlGame& g) {
            Require(CheckHandLimits(g, g.Rounds() == 1), options.seed, n);
        });
    }
    SimGameResult result;
    const auto start = std::chrono::steady_clock::now();
    result.stalled = game.PlayGame() == qlGame::Outcome::RoundCapped;
    result.rounds = game.Rounds();
    result.roles = game.RolesChosen();
    if (options.record) {
        result.record = RecordOf(game, false, SimCircumstances(options, n, start));
    }
    if (result.stalled) {
        return result;
    }
    const qlPlayer& winner = game.GetWinner();
    result.winner = winner.PlayerNumber();
    result.winningPoints = winner.Points();
    if (options.HasExperts()) {
        SumUpSeats(game, options.ExpertSeatsOf(n), experts, result);
    } else if (options.HasStrong()) {
        SumUpSeats(game, options.StrongSeatsOf(n), strong, result);
    }
    return result;
}
