#include "game/JournalReplay.h"

#include <stdexcept>
#include <utility>

#include "cards/Catalogue.h"
#include "game/HeadlessTable.h"
#include "game/StandardDecider.h"
#include "game/qlGame.h"

namespace {

// The table a journal is replayed at: silent, and a question to the human, asked once the
// answers have run out, is kept unanswered so that the game waits where the journal ends.
class ReplayTable : public HeadlessTable {
  public:
    void ShowChooser(std::unique_ptr<CardChooser>, int, Answered) override {}
};

// A strong or expert seat whose answers the journal holds: once they have run out, it waits at
// the next decision it would look ahead for, as the human does at the next question.
class UnthinkingDecider : public StandardDecider {
  public:
    explicit UnthinkingDecider(ComputerLevel level) : mLevel(level) {}
    bool AnswersLater(const Decision& decision) const override {
        return LooksAhead(mLevel, decision);
    }
    void Ask(const qlGame&, const Decision&, Reply) override {}

  private:
    ComputerLevel mLevel;
};

// The game's refusal of the answer of the journal's `line`, in one sentence.
JournalError RefusedAnswer(const std::string& file, int line, const std::string& refusal) {
    return JournalError(file + ", line " + std::to_string(line) +
                        ": the game refuses the answer (" + refusal + ")");
}

}  // namespace

RecordedAnswers::RecordedAnswers(const Journal& journal, std::string file)
    : mJournal(journal), mFile(std::move(file)) {}

bool RecordedAnswers::Holds(const JournalHeader& header, const Decision& decision) {
    return decision.seat == header.humanSeat || LooksAhead(header.computers, decision);
}

std::optional<Choice> RecordedAnswers::Next(const Decision& decision) {
    if (Done() || !Holds(mJournal.header, decision)) {
        return std::nullopt;
    }
    const JournalAnswer& answer = mJournal.answers[mNext++];
    mLastLine = answer.line;
    return JournalChoice(answer, decision, mFile);
}

std::optional<std::uint64_t> RecordedAnswers::ThinkerState(Integer seat) const {
    std::optional<std::uint64_t> state;
    for (const JournalAnswer& answer : mJournal.answers) {
        if (answer.seat == seat && answer.thinker) {
            state = answer.thinker;
        }
    }
    return state;
}

ResumePoint ReplayJournal(const Journal& journal, const std::string& file) {
    const JournalHeader& header = journal.header;
    if (header.catalogue != CatalogueDigest(CatalogueFile())) {
        throw JournalError(file + ": the game was dealt from another catalogue than " +
                           CatalogueFile().string());
    }
    ReplayTable table;
    qlGame game(table, header.players, header.humanSeat, Random::SeededSource(header.seed));
    for (Integer seat = 1; header.computers != ComputerLevel::Standard && seat <= header.players;
         ++seat) {
        if (seat != header.humanSeat) {
            game.SetDecider(seat, std::make_unique<UnthinkingDecider>(header.computers));
        }
    }
    RecordedAnswers answers(journal, file);
    game.SetAnswerFeed([&answers](const Decision& decision) { return answers.Next(decision); });
    try {
        game.Start();
    } catch (const std::invalid_argument& refusal) {
        throw RefusedAnswer(file, answers.LastLine(), refusal.what());
    }
    if (!answers.Done()) {
        throw JournalError(file + ", line " + std::to_string(answers.NextLine()) +
                           ": the game asks for no more answers here");
    }
    return {game.Rounds(), game.Player(header.humanSeat).Points(), game.Result().has_value()};
}
