#include "core/FileReading.h"

#include <cerrno>
#include <fstream>

std::string WhyUnreadable(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return "File not found: " + file.string();
    }
    if (error) {
        return CannotReadMessage(file, error);
    }
    // A folder opens for reading like a file, and only its first read fails.
    if (std::filesystem::is_directory(status)) {
        return file.string() + " is a folder, not a file";
    }
    errno = 0;
    const std::ifstream in(file, std::ios::binary);
    if (!in) {
        return CannotReadMessage(
            file, std::error_code(errno != 0 ? errno : EIO, std::generic_category()));
    }
    return {};
}

std::string CannotReadMessage(const std::filesystem::path& file, const std::error_code& error) {
    return file.string() + " cannot be read: " + error.message();
}
