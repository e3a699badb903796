#pragma once

#include <QString>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "record/GameRecord.h"

class QtRecordSession;

// The record of every game played, in an SQLite database file reached through Qt SQL. The
// database is opened at its first use and made, with its folder, when missing. A record that
// cannot be written never stops a game: the first failure is given back to be told to the
// player, and later ones are not.
class RecordStore {
  public:
    explicit RecordStore(std::filesystem::path file);
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;
    ~RecordStore();

    // Writes `game`. On the store's first failure, the sentence that tells the player why the
    // game could not be kept; nothing otherwise.
    std::optional<std::string> Record(const GameRecord& game);
    // Every game recorded, oldest first. Throws RecordError saying why it cannot be read.
    std::vector<GameRecord> Games();
    const std::filesystem::path& File() const { return mFile; }

    // Records.sqlite in the user's data folder.
    static std::filesystem::path DefaultFile();

  private:
    // The open session; throws RecordError naming the file when it cannot be opened.
    QtRecordSession& Session();

    std::filesystem::path mFile;
    std::unique_ptr<QtRecordSession> mSession;
    bool mTold = false;
};
