#pragma once

#include <filesystem>
#include <string>
#include <system_error>

// Why `file` cannot be opened for reading, in words that name it: "File not found: PATH",
// "PATH is a folder, not a file", or "PATH cannot be read: REASON" with the system's reason
// (no permission, a loop of links, ...). Empty when it opens.
std::string WhyUnreadable(const std::filesystem::path& file);

// "PATH cannot be read: REASON", the reason in the system's words for `error`.
std::string CannotReadMessage(const std::filesystem::path& file, const std::error_code& error);
