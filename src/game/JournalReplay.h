#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/Types.h"
#include "game/Journal.h"

class qlGame;

// A journal's answers handed back to its game (qlGame::SetAnswerFeed), in order, each at the
// decision it answered.
class RecordedAnswers {
  public:
    RecordedAnswers(const Journal& journal, std::string file);

    // Whether a journal of `header`'s game holds the answer to `decision`: every decision of
    // the human's seat, and those a strong or expert seat looks ahead for.
    static bool Holds(const JournalHeader& header, const Decision& decision);
    // The next answer, at a decision the journal holds; nothing at any other, and nothing once
    // every answer has been given. A JournalError when the answer does not fit the decision.
    std::optional<Choice> Next(const Decision& decision);
    bool Done() const { return mNext == mJournal.answers.size(); }
    // The line of the answer given last, 0 before any.
    int LastLine() const { return mLastLine; }
    // The line of the answer to be given next.
    int NextLine() const { return Done() ? 0 : mJournal.answers[mNext].line; }
    // The generator state the thinking seat `seat` recorded last, if it recorded one.
    std::optional<std::uint64_t> ThinkerState(Integer seat) const;

  private:
    const Journal& mJournal;
    std::string mFile;
    std::size_t mNext = 0;
    int mLastLine = 0;
};

// Where a journal's game stands once its answers have been played.
struct ResumePoint {
    Long round = 0;
    Integer humanPoints = 0;
    bool over = false;  // the answers played the game to its end
};

// Plays the journal's game from its seed through every answer, with nothing shown and no seat
// thinking, to where the answers end; the computer seats' own decisions follow the standard
// rules. A JournalError, naming the file and the line, when the journal was dealt from another
// catalogue, or the game refuses an answer, asks for another decision than the journal answers
// or for none where answers are left.
ResumePoint ReplayJournal(const Journal& journal, const std::string& file);
