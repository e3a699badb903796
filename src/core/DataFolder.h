#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Where the program's data (the catalogue scripts/DeckInfo.txt and the Images folder) is looked
// for, in this order: the executable's own folder (a build folder or an unpacked copy),
// ../share/quellin beside it (an installed copy), then quellin/ in the user's and the system's
// XDG data folders. Environment values that are unset, empty or relative fall back to the XDG
// defaults ($HOME/.local/share; /usr/local/share and /usr/share).
std::vector<std::filesystem::path> DataFolderCandidates(const std::filesystem::path& programFolder,
                                                        const char* xdgDataHome,
                                                        const char* xdgDataDirs, const char* home);

// The first candidate that holds scripts/DeckInfo.txt.
std::optional<std::filesystem::path> FindDataFolder(
    const std::vector<std::filesystem::path>& candidates);

// The message for data found nowhere: it names every folder looked in, and why a catalogue path
// that holds something (a folder, a file the system refuses) could not serve.
std::string DataNotFoundMessage(const std::vector<std::filesystem::path>& candidates);

// The running program's data folder, searched once from its executable and its environment.
// Throws std::runtime_error with DataNotFoundMessage when no candidate holds the catalogue.
const std::filesystem::path& DataFolder();
