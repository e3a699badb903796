#include "core/DataFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

#include "core/FileReading.h"
#include "core/ProgramFolder.h"

namespace {

const std::filesystem::path kCatalogue = std::filesystem::path("scripts") / "DeckInfo.txt";

// An absolute folder from an environment value; relative and empty values do not count.
std::optional<std::filesystem::path> AbsoluteFolder(const std::string& text) {
    const std::filesystem::path folder(text);
    if (text.empty() || !folder.is_absolute()) {
        return std::nullopt;
    }
    return folder;
}

std::vector<std::filesystem::path> SystemDataFolders(const char* xdgDataDirs) {
    std::vector<std::filesystem::path> folders;
    const std::string list = xdgDataDirs ? xdgDataDirs : "";
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t colon = std::min(list.find(':', start), list.size());
        if (const auto folder = AbsoluteFolder(list.substr(start, colon - start))) {
            folders.push_back(*folder);
        }
        start = colon + 1;
    }
    if (folders.empty()) {
        folders = {"/usr/local/share", "/usr/share"};
    }
    return folders;
}

}  // namespace

std::vector<std::filesystem::path> DataFolderCandidates(const std::filesystem::path& programFolder,
                                                        const char* xdgDataHome,
                                                        const char* xdgDataDirs, const char* home) {
    std::vector<std::filesystem::path> candidates{
        programFolder, (programFolder.parent_path() / "share" / "quellin").lexically_normal()};
    std::optional<std::filesystem::path> userData = AbsoluteFolder(xdgDataHome ? xdgDataHome : "");
    if (!userData) {
        if (const auto homeFolder = AbsoluteFolder(home ? home : "")) {
            userData = *homeFolder / ".local" / "share";
        }
    }
    if (userData) {
        candidates.push_back(*userData / "quellin");
    }
    for (const std::filesystem::path& folder : SystemDataFolders(xdgDataDirs)) {
        candidates.push_back(folder / "quellin");
    }
    return candidates;
}

std::optional<std::filesystem::path> FindDataFolder(
    const std::vector<std::filesystem::path>& candidates) {
    for (const std::filesystem::path& folder : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / kCatalogue, error)) {
            return folder;
        }
    }
    return std::nullopt;
}

std::string DataNotFoundMessage(const std::vector<std::filesystem::path>& candidates) {
    std::string message = "The card catalogue " + kCatalogue.string() + " was not found in";
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        message += (i == 0 ? " " : ", ") + candidates[i].string();
    }
    // Something of that name that is no file to read would otherwise look like nothing at all.
    for (const std::filesystem::path& folder : candidates) {
        std::error_code error;
        if (std::filesystem::exists(folder / kCatalogue, error) || error) {
            message += "; " + WhyUnreadable(folder / kCatalogue);
        }
    }
    return message;
}

const std::filesystem::path& DataFolder() {
    static const std::vector<std::filesystem::path> candidates =
        DataFolderCandidates(ProgramFolder(), std::getenv("XDG_DATA_HOME"),
                             std::getenv("XDG_DATA_DIRS"), std::getenv("HOME"));
    static const std::optional<std::filesystem::path> found = FindDataFolder(candidates);
    if (!found) {
        throw std::runtime_error(DataNotFoundMessage(candidates));
    }
    return *found;
}
