#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

// The file the journal of the game in progress is written to. Every write is whole and on the
// disk (fsync) before it returns, so that whatever ends the program, the journal holds every
// answer the game has acted on. Faults are std::runtime_error naming the file and the reason.
class JournalFile {
  public:
    // A new journal holding `header`, in place of any other at `file` only once it is written
    // whole: a journal is never found half begun.
    static std::unique_ptr<JournalFile> Create(const std::filesystem::path& file,
                                               const std::string& header);
    // The journal at `file`, written on after its first `keep` bytes (a line cut short beyond
    // them is dropped).
    static std::unique_ptr<JournalFile> Continue(const std::filesystem::path& file,
                                                 std::uintmax_t keep);
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;
    ~JournalFile();

    void Append(const std::string& text);
    // The game is over: the journal goes.
    void Remove();
    const std::filesystem::path& File() const { return mFile; }

  private:
    JournalFile(std::filesystem::path file, int descriptor);

    std::filesystem::path mFile;
    int mDescriptor;
};
