#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Where a game keeps its logs: the first of `folders` (created when missing) that takes the
// file Seed.txt with `seedText`; the two logs are then created beside it.
struct LogPlace {
    std::optional<std::filesystem::path> folder;  // absent when no folder could be written
    std::string notice;                           // why no log is kept, when none is
};

LogPlace PlaceLogs(const std::vector<std::filesystem::path>& folders, const std::string& seedText);
