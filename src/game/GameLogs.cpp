#include "game/GameLogs.h"

namespace {

// Binary, so that the lines keep the CR LF the game writes on every system.
std::unique_ptr<std::ofstream> CreateLog(const std::filesystem::path& file) {
    auto stream = std::make_unique<std::ofstream>(file, std::ios::binary | std::ios::trunc);
    if (!*stream) {
        return nullptr;
    }
    return stream;
}

}  // namespace

GameLogs::GameLogs(const std::filesystem::path& folder)
    : LogFile(CreateLog(folder / "Log.txt")), GameLogFile(CreateLog(folder / "GameLog.txt")) {}
