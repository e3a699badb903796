#pragma once

#include <filesystem>
#include <fstream>
#include <memory>

// The two logs of one game, created anew in a folder: "Log.txt" with the results and
// "GameLog.txt" with the role choices and builds. A log that cannot be created is left out and
// the game runs without it.
struct GameLogs {
    GameLogs() = default;  // no logs
    explicit GameLogs(const std::filesystem::path& folder);

    std::unique_ptr<std::ofstream> LogFile;
    std::unique_ptr<std::ofstream> GameLogFile;
};
