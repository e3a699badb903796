#pragma once

#include <optional>
#include <string>
#include <string_view>

struct Decision;

// How the computer seats of a game play: by the standard rules, looking ahead at their role,
// build and councillor choices (strong), or searching at every decision (expert).
enum class ComputerLevel { Standard, Strong, Expert };

// The level's name, the same on the command line, in the journal and in the record:
// "standard", "strong" or "expert".
std::string LevelName(ComputerLevel level);
// The level of that name; none for a name of no level.
std::optional<ComputerLevel> LevelNamed(std::string_view name);
// Why `name` is no level, in the words of a refusal: "\"weak\" is neither standard, strong nor
// expert".
std::string NoLevel(std::string_view name);

// Whether a computer seat of `level` thinks about `decision` (and answers it later at a table
// that shows the game): those are the seat's answers a journal holds.
bool LooksAhead(ComputerLevel level, const Decision& decision);
