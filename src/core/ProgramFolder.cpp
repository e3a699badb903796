#include "core/ProgramFolder.h"

#include <system_error>

namespace {

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
    static const std::filesystem::path folder = ExecutableFolder();
    return folder;
}
