#include "core/ProgramFolder.h"

#include <system_error>
#include <utility>

namespace {

std::filesystem::path gOverride;

std::filesystem::path ExecutableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path();
    }
    return exe.parent_path();
}

}  // namespace

std::filesystem::path ProgramFolder() {
    if (!gOverride.empty()) {
        return gOverride;
    }
    static const std::filesystem::path folder = ExecutableFolder();
    return folder;
}

void SetProgramFolder(std::filesystem::path folder) {
    gOverride = std::move(folder);
}
