#include "SimRecord.h"

#include <memory>
#include <string>

#include "SqliteSession.h"
#include "record/RecordDatabase.h"
#include "record/RecordSession.h"

namespace {

RecordError Named(const std::filesystem::path& file, const RecordError& failure) {
    return RecordError("--record: cannot write the record of games \"" + file.string() +
                       "\": " + failure.what());
}

}  // namespace

SimRecord::SimRecord(const std::filesystem::path& file) : mFile(file) {
    try {
        mSession = std::make_unique<SqliteSession>(file);
        PrepareRecord(*mSession);
    } catch (const RecordError& failure) {
        throw Named(mFile, failure);
    }
}

SimRecord::~SimRecord() = default;

void SimRecord::Write(const std::vector<SimGameResult>& results) {
    std::vector<GameRecord> games;
    games.reserve(results.size());
    for (const SimGameResult& result : results) {
        games.push_back(result.record);
    }
    try {
        InsertGames(*mSession, games);
    } catch (const RecordError& failure) {
        throw Named(mFile, failure);
    }
}
