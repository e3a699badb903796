#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "SimGame.h"

class SqliteSession;

// The record of games the simulator writes its games into, through SQLite's own library: the
// game's schema, so that its statistics window reads them. Opened (and made, or migrated) at
// once, so that a record that cannot be written stops a run before its games are played.
class SimRecord {
  public:
    // Throws RecordError naming the file.
    explicit SimRecord(const std::filesystem::path& file);
    SimRecord(const SimRecord&) = delete;
    SimRecord& operator=(const SimRecord&) = delete;
    ~SimRecord();

    // Writes the games in one transaction, short enough that a table recording its game at the
    // same moment waits for it. Throws RecordError naming the file.
    void Write(const std::vector<SimGameResult>& results);

  private:
    std::filesystem::path mFile;
    std::unique_ptr<SqliteSession> mSession;
};
