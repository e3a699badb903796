// The journal of a game: taken up after any answer, a game plays on to the very logs of the
// game played without a break; a journal that cannot be taken up says why, naming its line.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptedTable.h"
#include "cards/Catalogue.h"
#include "game/ComputerSeats.h"
#include "game/Journal.h"
#include "game/JournalReplay.h"
#include "game/LookAhead.h"
#include "game/qlGame.h"
#include "support/TableHelpers.h"

namespace {

using testing_support::ScriptedTable;

// A human who answers every question with the first cards it needs and picks roles by a rule
// of the moment, so that two games at the same point answer alike.
class RuleOfThumbHuman : public ScriptedTable {
  public:
    void SetGame(qlGame* game) {
        ScriptedTable::SetGame(game);
        mGame = game;
        autoPlay = true;
    }
    void ChooseRole() override {
        std::vector<int> free;
        for (int role = 0; role < 5; ++role) {
            if (mGame->RolesFree()[static_cast<std::size_t>(role)]) {
                free.push_back(role);
            }
        }
        const auto pick = static_cast<std::size_t>(mGame->RolesChosen() * 3 + mGame->Rounds());
        mGame->cmdRoles_Click(free[pick % free.size()]);
    }

  private:
    qlGame* mGame = nullptr;
};

struct Setting {
    Integer players;
    Integer human;
    std::uint64_t seed;
    ComputerLevel computers;
};

// One game at a rule-of-thumb table, its journal written as the table writes it, perhaps taken
// up from a journal.
struct JournaledGame {
    explicit JournaledGame(const Setting& setting, int threads)
        : game(table, setting.players, setting.human, Random::SeededSource(setting.seed)) {
        header.seed = setting.seed;
        header.players = setting.players;
        header.humanSeat = setting.human;
        header.computers = setting.computers;
        header.program = "test";
        header.started = "today";
        header.catalogue = CatalogueDigest(CatalogueFile());
        journal = JournalHeaderText(header);
        table.SetGame(&game);
        game.SetLogFiles(&log, &gameLog);
        // A quick thinker at either level: 24 copies a strong decision, 8 iterations an expert one.
        thinkers = std::make_unique<ComputerSeats>(
            setting.computers, game, table, setting.human, setting.seed,
            setting.computers == ComputerLevel::Expert ? 8 : 24, threads);
        given = game.AnswerGiven.Subscribe([this](const Decision& decision, const Choice& choice) {
            if (!RecordedAnswers::Holds(header, decision)) {
                return;
            }
            const LookAhead* player = thinkers->Of(decision.seat);
            journal += JournalAnswerText(
                decision, choice, player ? std::optional(player->GeneratorState()) : std::nullopt);
            ++answers;
            where.push_back({game.Rounds(), game.Player(header.humanSeat).Points(), false});
        });
    }

    // Plays on from the first `k` answers of `full`'s journal, its thinking seats' generators
    // where the journal left them.
    void ResumeFrom(const std::string& text) {
        std::istringstream in(text);
        resumed = ReadJournal(in, "journal");
        feed = std::make_unique<RecordedAnswers>(resumed, "journal");
        for (Integer seat = 1; seat <= 4; ++seat) {
            if (const auto state = feed->ThinkerState(seat)) {
                thinkers->Of(seat)->RestoreGenerator(*state);
            }
        }
        game.SetAnswerFeed([this](const Decision& decision) { return feed->Next(decision); });
    }

    RuleOfThumbHuman table;
    JournalHeader header;
    std::ostringstream log;
    std::ostringstream gameLog;
    std::unique_ptr<ComputerSeats> thinkers;  // before the game: they outlive its deciders
    qlGame game;
    std::string journal;
    int answers = 0;
    std::vector<ResumePoint> where;  // as each answer was asked for
    Subscription given;
    Journal resumed;
    std::unique_ptr<RecordedAnswers> feed;
};

// The journal's header and its first `k` answers.
std::string FirstAnswers(const std::string& journal, int k) {
    std::size_t end = 0;
    for (int line = 0; line < 9 + k; ++line) {
        end = journal.find('\n', end) + 1;
    }
    return journal.substr(0, end);
}

}  // namespace

TEST(Journal, AGameTakenUpAfterAnyAnswerWritesTheLogsOfTheGamePlayedWithoutABreak) {
    constexpr ComputerLevel kStandard = ComputerLevel::Standard;
    const std::vector<Setting> settings{
        {2, 1, 1207, kStandard},           {3, 2, 88, kStandard},
        {4, 3, 2026, kStandard},           {4, 4, 5150, kStandard},
        {3, 1, 31, ComputerLevel::Strong}, {2, 2, 606, ComputerLevel::Expert}};
    for (const Setting& setting : settings) {
        SCOPED_TRACE("seed " + std::to_string(setting.seed));
        JournaledGame full(setting, 2);
        full.game.Start();
        ASSERT_EQ(full.game.Result(), qlGame::Outcome::Finished);
        ASSERT_GT(full.answers, 40);
        std::vector<int> stops{1, 5, 17, full.answers / 2, full.answers - 1};
        for (int k = 29; k < full.answers; k += 23) {
            stops.push_back(k);
        }
        for (const int k : stops) {
            SCOPED_TRACE("after answer " + std::to_string(k));
            const std::string kept = FirstAnswers(full.journal, k);
            std::istringstream in(kept);
            const ResumePoint point = ReplayJournal(ReadJournal(in, "journal"), "journal");
            EXPECT_EQ(point.round, full.where[static_cast<std::size_t>(k)].round);
            EXPECT_EQ(point.humanPoints, full.where[static_cast<std::size_t>(k)].humanPoints);
            EXPECT_FALSE(point.over);

            JournaledGame again(setting, 1);  // one thread thinking: the same game
            again.ResumeFrom(kept);
            again.game.Start();
            EXPECT_TRUE(again.feed->Done());
            EXPECT_EQ(again.game.Result(), qlGame::Outcome::Finished);
            EXPECT_EQ(again.gameLog.str(), full.gameLog.str());
            EXPECT_EQ(again.log.str(), full.log.str());
            // The journal goes on with the same answers.
            EXPECT_EQ(kept + again.journal.substr(JournalHeaderText(again.header).size()),
                      full.journal);
        }
    }
}

namespace {

// What taking up `text` says: the sentence of its JournalError, or "resumed".
std::string Verdict(const std::string& text) {
    return testing_support::ErrorOf<JournalError>([&] {
        std::istringstream in(text);
        ReplayJournal(ReadJournal(in, "journal"), "journal");
    });
}

// `journal` with line `number` (counting from 1) replaced by `line`.
std::string WithLine(const std::string& journal, int number, const std::string& line) {
    std::istringstream in(journal);
    std::string text;
    int k = 0;
    for (std::string each; std::getline(in, each);) {
        text += (++k == number ? line : each) + "\n";
    }
    return text;
}

std::string Line(const std::string& journal, int number) {
    std::istringstream in(journal);
    std::string line;
    for (int k = 0; k < number; ++k) {
        std::getline(in, line);
    }
    return line;
}

}  // namespace

TEST(Journal, AJournalThatCannotBeTakenUpSaysWhyNamingItsLine) {
    JournaledGame full({3, 2, 88, ComputerLevel::Standard}, 1);
    full.game.Start();
    const std::string& journal = full.journal;
    EXPECT_EQ(Verdict(FirstAnswers(journal, 12)), "no error");

    // An answer cut short as the program ended is dropped: the game never acted on it.
    const std::string cut = FirstAnswers(journal, 12) + Line(journal, 22).substr(0, 3);
    std::istringstream in(cut);
    const Journal shortened = ReadJournal(in, "journal");
    EXPECT_EQ(shortened.answers.size(), 12u);
    EXPECT_EQ(shortened.droppedLine, Line(journal, 22).substr(0, 3));
    EXPECT_EQ(shortened.keptBytes, FirstAnswers(journal, 12).size());
    // A setting the player changed holds from its line on, and is no answer.
    std::istringstream changed(FirstAnswers(journal, 3) + "settings 0 1 1 0 1 8\n" +
                               FirstAnswers(journal, 5).substr(FirstAnswers(journal, 3).size()));
    const Journal withSetting = ReadJournal(changed, "journal");
    EXPECT_EQ(withSetting.answers.size(), 5u);
    EXPECT_EQ(withSetting.header.settings, (JournalSettings{false, true, true, false, true, 8}));
    EXPECT_EQ(Verdict(FirstAnswers(journal, 3) + "settings 1 1 1 1 1\n"),
              "journal, line 13: \"1 1 1 1 1\" is not six settings");

    EXPECT_EQ(Verdict(WithLine(journal, 1, "quellin journal 2")),
              "journal, line 1: the journal is of format 2, where this program reads format 1");
    EXPECT_EQ(Verdict("a shopping list\n"), "journal, line 1: this is not a journal of a game");
    EXPECT_EQ(Verdict(FirstAnswers(journal, 0).substr(0, 60)),
              "journal, line 4: the journal ends early");
    EXPECT_EQ(Verdict(WithLine(journal, 6, "players 5")),
              "journal, line 6: \"5\" is not a number from 2 to 4");
    EXPECT_EQ(Verdict(WithLine(journal, 15, "2 dance 1")),
              "journal, line 15: \"dance\" is no decision of the game");
    EXPECT_EQ(
        Verdict(WithLine(journal, 4, "catalogue 0123456789abcdef")),
        "journal: the game was dealt from another catalogue than " + CatalogueFile().string());
    // The answers must be the game's: the right seat's, for the decision the game asks.
    ASSERT_EQ(Line(journal, 10), "2 hand-limit 0 1 2 3 / 4 5");
    ASSERT_EQ(Line(journal, 13), "2 role 0");
    const std::string swapped =
        WithLine(WithLine(journal, 10, Line(journal, 11)), 11, Line(journal, 10));
    EXPECT_EQ(Verdict(swapped),
              "journal, line 10: the journal answers player 2's build where the game asks "
              "player 2's hand-limit");
    EXPECT_EQ(Verdict(WithLine(journal, 10, "2 hand-limit 0 1 2 99 / 4 5")),
              "journal, line 10: card 99 is not among the 6 cards on offer");
    EXPECT_EQ(Verdict(WithLine(journal, 10, "2 hand-limit 0 0 2 3 / 4 5")),
              "journal, line 10: the game refuses the answer (Player 2 at the hand limit: "
              "Trading Post is not one of the cards on offer)");
    EXPECT_EQ(Verdict(WithLine(journal, 13, "2 role 7")),
              "journal, line 13: the game refuses the answer (Player 2 at the role choice: role "
              "7 is not free)");
    EXPECT_EQ(Verdict(journal + "2 role 1\n"), "journal, line " +
                                                   std::to_string(10 + full.answers) +
                                                   ": the game asks for no more answers here");
}
