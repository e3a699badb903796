#include "LogPlace.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace {

// Writes folder/Seed.txt; the reason it could not, or an empty text.
std::string WriteSeedFile(const std::filesystem::path& folder, const std::string& seedText) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        return error.message();
    }
    errno = 0;
    std::ofstream out(folder / "Seed.txt", std::ios::binary | std::ios::trunc);
    out << seedText;
    out.close();
    if (!out) {
        return errno != 0 ? std::strerror(errno) : "it cannot be written";
    }
    return "";
}

}  // namespace

LogPlace PlaceLogs(const std::vector<std::filesystem::path>& folders, const std::string& seedText) {
    std::string reasons;
    for (const std::filesystem::path& folder : folders) {
        const std::string reason = WriteSeedFile(folder, seedText);
        if (reason.empty()) {
            return {folder, ""};
        }
        reasons += (reasons.empty() ? "" : "; ") + folder.string() + ": " + reason;
    }
    return {std::nullopt, "No log is being kept for this game (" +
                              (reasons.empty() ? "no folder for them" : reasons) + ")."};
}
