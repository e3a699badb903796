#include "ui/JournalFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace {

[[noreturn]] void Fail(const std::filesystem::path& file, const char* doing) {
    throw std::runtime_error(file.string() + " cannot be " + doing + ": " + std::strerror(errno));
}

void WriteWhole(int descriptor, const std::string& text, const std::filesystem::path& file) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(descriptor, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            Fail(file, "written");
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (::fsync(descriptor) != 0) {
        Fail(file, "written");
    }
}

// A new name or a name gone lasts only once the folder holding it is on the disk too.
void SyncFolder(const std::filesystem::path& file) {
    const int folder = ::open(file.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

}  // namespace

JournalFile::JournalFile(std::filesystem::path file, int descriptor)
    : mFile(std::move(file)), mDescriptor(descriptor) {}

JournalFile::~JournalFile() {
    if (mDescriptor >= 0) {
        ::close(mDescriptor);
    }
}

std::unique_ptr<JournalFile> JournalFile::Create(const std::filesystem::path& file,
                                                 const std::string& header) {
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    std::filesystem::path fresh = file;
    fresh += ".new";
    const int descriptor =
        ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        Fail(fresh, "created");
    }
    std::unique_ptr<JournalFile> journal(new JournalFile(file, descriptor));
    WriteWhole(descriptor, header, fresh);
    if (::rename(fresh.c_str(), file.c_str()) != 0) {
        Fail(file, "created");
    }
    SyncFolder(file);
    return journal;
}

std::unique_ptr<JournalFile> JournalFile::Continue(const std::filesystem::path& file,
                                                   std::uintmax_t keep) {
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (descriptor < 0) {
        Fail(file, "opened");
    }
    std::unique_ptr<JournalFile> journal(new JournalFile(file, descriptor));
    if (::ftruncate(descriptor, static_cast<off_t>(keep)) != 0 || ::fsync(descriptor) != 0) {
        Fail(file, "written");
    }
    return journal;
}

void JournalFile::Append(const std::string& text) {
    WriteWhole(mDescriptor, text, mFile);
}

void JournalFile::Remove() {
    ::close(std::exchange(mDescriptor, -1));
    if (::unlink(mFile.c_str()) != 0 && errno != ENOENT) {
        Fail(mFile, "removed");
    }
    SyncFolder(mFile);
}
