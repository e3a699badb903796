// Taking up a whole game from its journal: every answer of a four-player game played again
// from the seed, as the start does to offer it and the table does to show it.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "cards/Catalogue.h"
#include "game/HeadlessTable.h"
#include "game/Journal.h"
#include "game/JournalReplay.h"
#include "game/qlGame.h"

namespace {

// The journal of seed `seed`'s four-player game played to its end, the human in seat 2 taking
// the first free role and the first cards of every question.
std::string WholeGameJournal(std::uint64_t seed) {
    JournalHeader header;
    header.seed = seed;
    header.catalogue = CatalogueDigest(CatalogueFile());
    std::string journal = JournalHeaderText(header);
    HeadlessTable table;
    qlGame game(table, header.players, header.humanSeat, Random::SeededSource(seed));
    const Subscription given =
        game.AnswerGiven.Subscribe([&](const Decision& decision, const Choice& choice) {
            if (RecordedAnswers::Holds(header, decision)) {
                journal += JournalAnswerText(decision, choice);
            }
        });
    game.Start();
    while (!game.Result()) {
        for (int role = 0; role < 5 && game.HumanChoosesRole(); ++role) {
            game.cmdRoles_Click(role);
        }
    }
    return journal;
}

void BM_ResumeWholeGame(benchmark::State& state) {
    const std::string text = WholeGameJournal(7);
    for (auto _ : state) {
        std::istringstream in(text);
        benchmark::DoNotOptimize(ReplayJournal(ReadJournal(in, "journal"), "journal"));
    }
}
BENCHMARK(BM_ResumeWholeGame)->Unit(benchmark::kMillisecond);

}  // namespace
