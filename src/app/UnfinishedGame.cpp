#include "UnfinishedGame.h"

#include <system_error>

#include "game/JournalReplay.h"

UnfinishedGame FindUnfinishedGame(const std::filesystem::path& file) {
    UnfinishedGame found;
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return found;
    }
    try {
        const Journal journal = ReadJournalFile(file);
        const ResumePoint point = ReplayJournal(journal, file.string());
        const JournalHeader& game = journal.header;
        found.game = game;
        found.offer = "Resume the game of " + game.started + ": " + std::to_string(game.players) +
                      " players, round " + std::to_string(point.round) + ", your points " +
                      std::to_string(point.humanPoints);
    } catch (const JournalError& refusal) {
        std::filesystem::path bad = file;
        bad += ".bad";
        std::filesystem::rename(file, bad, error);
        found.problem =
            "The unfinished game cannot be resumed (" + std::string(refusal.what()) + "); " +
            (error ? "its journal stays where it is" : "its journal is kept as " + bad.string()) +
            ".";
    }
    return found;
}
