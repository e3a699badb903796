#include "game/StrongPlayer.h"

#include <algorithm>
#include <chrono>
#include <string>

#include "ai/CardValue.h"
#include "cards/qlCard.h"
#include "game/HeadlessTable.h"
#include "game/PlayOut.h"
#include "game/WorkerPool.h"
#include "game/qlGame.h"

namespace {

using Names = std::vector<std::string>;

// Every way to keep `keep` cards of those named in `names` (`counts` of each), each once: the
// seat cannot tell two cards of one name apart. Best names first, as `names` stand.
void AddKeepChoices(const Names& names, std::vector<Long>& counts, std::size_t from, Long keep,
                    Names& choice, std::vector<Names>& choices) {
    if (keep == 0) {
        choices.push_back(choice);
        return;
    }
    for (std::size_t i = from; i < names.size(); ++i) {
        if (counts[i] == 0) {
            continue;
        }
        --counts[i];
        choice.push_back(names[i]);
        AddKeepChoices(names, counts, i, keep - 1, choice, choices);
        choice.pop_back();
        ++counts[i];
    }
}

// Every way to keep `keep` of `cards` (all of them when they are fewer), the names ranked by
// their worth to `seat` facing `opponents`, best first.
std::vector<Names> KeepChoices(const qlCards& cards, const qlPlayer& seat, ai::Opponents opponents,
                               Long keep) {
    qlCards ranked;
    for (const Card& card : cards) {
        ranked.AddCard(card);
    }
    ai::OrderByAIValue(ranked, seat, opponents, false);
    Names names;
    std::vector<Long> counts;
    for (const Card& card : ranked) {
        const auto known = std::find(names.begin(), names.end(), card->BuildingName());
        if (known == names.end()) {
            names.push_back(card->BuildingName());
            counts.push_back(1);
        } else {
            ++counts[static_cast<std::size_t>(known - names.begin())];
        }
    }
    std::vector<Names> choices;
    Names choice;
    AddKeepChoices(names, counts, 0, std::min(keep, cards.Count()), choice, choices);
    return choices;
}

}  // namespace

std::uint64_t StrongPlayer::SeedFor(std::uint64_t gameSeed, Integer seat) {
    Random::Generator mix(gameSeed * 0x2545F4914F6CDD1DULL + static_cast<std::uint64_t>(seat));
    return mix.NextBits();
}

StrongPlayer::StrongPlayer(Integer seat, std::uint64_t seed, int budget, int threads)
    : LookAhead(seat, seed, budget, threads) {}

StrongPlayer::Tally StrongPlayer::PlayOut(const qlGame& game, std::uint64_t sampleSeed,
                                          const Force& force, int option) const {
    HeadlessTable table;
    qlGame copy(game, table);
    copy.RedealHidden(mSeat, sampleSeed);
    copy.SetRoundLimit(game.Rounds() + kRoundsAhead);
    copy.Apply(force(copy, option));
    if (copy.PlayOn() != qlGame::Outcome::Finished) {
        return {};
    }
    const PlayOutResult result = ResultFor(copy, mSeat);
    return {result.won ? 1 : 0, result.margin};
}

StrongPlayer::Verdict StrongPlayer::Decide(const qlGame& game, Table& table, int options,
                                           const Force& force) {
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t decisionSeed = mGenerator.NextBits();
    std::vector<Tally> totals(static_cast<std::size_t>(std::max(1, options)));
    std::vector<long> played(totals.size(), 0);
    const auto play = [&](const std::vector<int>& alive, int first, int each) {
        std::vector<Tally> tallies(alive.size() * static_cast<std::size_t>(each));
        mPool->Run(
            static_cast<int>(tallies.size()),
            [&](int job) {
                tallies[static_cast<std::size_t>(job)] =
                    PlayOut(game, SampleSeed(decisionSeed, first + job % each), force,
                            alive[static_cast<std::size_t>(job / each)]);
            },
            [&table] { return !table.ExitRequested(); });
        for (std::size_t job = 0; job < tallies.size(); ++job) {
            const auto option =
                static_cast<std::size_t>(alive[job / static_cast<std::size_t>(each)]);
            totals[option].wins += tallies[job].wins;
            totals[option].margin += tallies[job].margin;
            played[option] += 1;
        }
    };
    const auto better = [&totals](int a, int b) {
        const Tally& x = totals[static_cast<std::size_t>(a)];
        const Tally& y = totals[static_cast<std::size_t>(b)];
        return x.wins != y.wins ? x.wins > y.wins : x.margin > y.margin;
    };
    const int best = SuccessiveHalving(options, mBudget, play, better,
                                       [&table] { return table.ExitRequested(); });
    const auto& chosen = totals[static_cast<std::size_t>(best)];
    mLastVerdict = {best, chosen.wins, played[static_cast<std::size_t>(best)], chosen.margin};
    CountDecision(start);
    return mLastVerdict;
}

std::size_t StrongPlayer::Choose(const qlGame& game, Table& table, std::size_t options,
                                 const Force& force) {
    if (options <= 1) {
        mLastVerdict = {};
        return 0;
    }
    return static_cast<std::size_t>(Decide(game, table, static_cast<int>(options), force).option);
}

int StrongPlayer::PickRole(const qlGame& game, Table& table) {
    std::vector<int> free;
    for (int role = 0; role < 5; ++role) {
        if (game.RolesFree()[static_cast<std::size_t>(role)]) {
            free.push_back(role);
        }
    }
    if (free.empty()) {
        mLastVerdict = {};
        return 0;
    }
    return free[Choose(game, table, free.size(), [&free](const qlGame&, int o) {
        return Choice{.role = free[static_cast<std::size_t>(o)]};
    })];
}

qlCards StrongPlayer::ChooseBuilding(const qlGame& game, Table& table, const qlPlayer& seat,
                                     Integer savings) {
    // Building nothing, or one card of each name the seat can build.
    std::vector<Card> choices{Card{}};
    const qlCards buildable = seat.GetBuildableCards(savings);
    for (const Card& card : buildable) {
        if (std::none_of(choices.begin() + 1, choices.end(), [&card](const Card& c) {
                return c->BuildingName() == card->BuildingName();
            })) {
            choices.push_back(card);
        }
    }
    const Integer number = seat.PlayerNumber();
    const std::size_t taken =
        Choose(game, table, choices.size(), [&choices, number](const qlGame& copy, int o) {
            // The card of that name in the copy's own hand.
            qlCards build;
            if (const Card& card = choices[static_cast<std::size_t>(o)]) {
                build.AddCard(
                    copy.Player(number).CardsInHand().GetCardsByName(card->BuildingName()).Item(1));
            }
            return Choice{.cards = build};
        });
    qlCards chosen;
    if (const Card& card = choices[taken]) {
        chosen.AddCard(card);
    }
    return chosen;
}

qlCards StrongPlayer::ChooseCouncilKeep(const qlGame& game, Table& table, const qlPlayer& seat,
                                        qlCards& drawn, Integer keep) {
    const std::vector<Names> choices =
        KeepChoices(drawn, seat, game.OthersAfter(seat.PlayerNumber()), keep);
    return drawn.DealCardsByName(
        choices[Choose(game, table, choices.size(), [&choices](const qlGame& copy, int o) {
            // The same names of the copy's own draw.
            qlCards rest = copy.Pending().offered;
            qlCards kept = rest.DealCardsByName(choices[static_cast<std::size_t>(o)]);
            return Choice{.cards = std::move(kept), .givenUp = std::move(rest)};
        })]);
}
