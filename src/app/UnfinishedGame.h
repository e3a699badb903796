#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "game/Journal.h"

// The game left unfinished: the journal found at the start, played through to see where it
// stands.
struct UnfinishedGame {
    std::optional<JournalHeader> game;  // the game to take up; none without one
    // "Resume the game of 2026-12-09 21:30: 3 players, round 5, your points 7"
    std::string offer;
    // Why a journal found cannot be taken up, in one sentence; it is kept beside as ".bad".
    std::string problem;
};

// The game of the journal at `file`, if there is one there. A journal that cannot be taken up
// is renamed to `file` + ".bad" (in place of an older one) and named in `problem`.
UnfinishedGame FindUnfinishedGame(const std::filesystem::path& file);
