#include "record/RecordDatabase.h"

#include <chrono>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>

#include "record/RecordSchema.h"

namespace {

constexpr int kBusyMilliseconds = 10000;

// A write transaction taken at once (so that a second writer waits for it at its start, never
// midway), rolled back unless committed.
class WriteTransaction {
  public:
    explicit WriteTransaction(RecordSession& session) : mSession(session) {
        mSession.Run("BEGIN IMMEDIATE");
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;
    ~WriteTransaction() {
        if (!mCommitted) {
            try {
                mSession.Run("ROLLBACK");
            } catch (const RecordError&) {
                // SQLite has rolled back already when the statement that failed ended it.
            }
        }
    }
    void Commit() {
        mSession.Run("COMMIT");
        mCommitted = true;
    }

  private:
    RecordSession& mSession;
    bool mCommitted = false;
};

// Turning a record to write-ahead logging needs the file to itself for a moment, and SQLite
// does not wait for that as it waits for a write: two programs opening a new record at once
// would see one of them refused. The change is tried again until the busy timeout has passed.
void UseWriteAheadLog(RecordSession& session) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyMilliseconds);
    for (;;) {
        try {
            session.Run("PRAGMA journal_mode = WAL");
            return;
        } catch (const RecordBusy&) {
            if (std::chrono::steady_clock::now() >= deadline) {
                throw;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}

long long OneInteger(RecordSession& session, const std::string& sql) {
    const std::vector<RecordSession::Row> rows = session.Run(sql);
    return rows.empty() || rows.front().empty() ? 0 : AsInteger(rows.front().front());
}

const char* const kInsertGame =
    "INSERT INTO games (played_at, seed, program_version, players, human_seat, computer_level, "
    "winner, rounds, duration_ms, exited, resumed, source) VALUES (:played_at, :seed, "
    ":program_version, :players, :human_seat, :computer_level, :winner, :rounds, :duration_ms, "
    ":exited, :resumed, :source)";
const char* const kInsertSeat =
    "INSERT INTO seats (game_id, seat, points, building_count, building_points, chapel_points, "
    "bonus_points) VALUES (:game_id, :seat, :points, :building_count, :building_points, "
    ":chapel_points, :bonus_points)";
const char* const kSelectGames =
    "SELECT id, played_at, seed, program_version, human_seat, computer_level, winner, rounds, "
    "duration_ms, exited, resumed, source FROM games ORDER BY id";
const char* const kSelectSeats =
    "SELECT game_id, points, building_count, building_points, chapel_points, bonus_points "
    "FROM seats ORDER BY game_id, seat";

std::uint64_t SeedFrom(long long id, const std::string& text) {
    std::size_t end = 0;
    try {
        const std::uint64_t seed = std::stoull(text, &end);
        if (end == text.size() && text.find('-') == std::string::npos) {
            return seed;
        }
    } catch (const std::logic_error&) {
        // told below
    }
    throw RecordError("game " + std::to_string(id) + " has the seed '" + text +
                      "', which is not a seed");
}

ComputerLevel LevelFrom(long long id, const std::string& text) {
    if (const std::optional<ComputerLevel> level = LevelNamed(text)) {
        return *level;
    }
    throw RecordError("game " + std::to_string(id) + " has the computer level '" + text +
                      "', which is no level");
}

// A game whose seats do not add up cannot be counted: its figures would be made up.
void CheckWhole(const GameRecord& game) {
    const auto inPlay = [&](int seat) { return seat >= 1 && seat <= game.Players(); };
    if (game.Players() < 2 || game.Players() > 4 || !inPlay(game.humanSeat) ||
        !inPlay(game.winner)) {
        throw RecordError("game " + std::to_string(game.id) + " has " +
                          std::to_string(game.Players()) + " seats recorded, with seat " +
                          std::to_string(game.humanSeat) + " followed and seat " +
                          std::to_string(game.winner) + " winning");
    }
}

GameRecord GameFrom(const RecordSession::Row& row) {
    GameRecord game;
    game.id = AsInteger(row[0]);
    game.playedAt = AsText(row[1]);
    game.seed = SeedFrom(game.id, AsText(row[2]));
    game.programVersion = AsText(row[3]);
    game.humanSeat = static_cast<int>(AsInteger(row[4]));
    game.computers = LevelFrom(game.id, AsText(row[5]));
    game.winner = static_cast<int>(AsInteger(row[6]));
    game.rounds = static_cast<long>(AsInteger(row[7]));
    game.durationMs = AsInteger(row[8]);
    game.exited = AsInteger(row[9]) != 0;
    game.resumed = AsInteger(row[10]) != 0;
    game.source = AsText(row[11]);
    return game;
}

GameRecord::Seat SeatFrom(const RecordSession::Row& row) {
    GameRecord::Seat seat;
    seat.points = static_cast<int>(AsInteger(row[1]));
    seat.buildingCount = static_cast<int>(AsInteger(row[2]));
    seat.buildingPoints = static_cast<int>(AsInteger(row[3]));
    seat.chapelPoints = static_cast<int>(AsInteger(row[4]));
    seat.bonusPoints = static_cast<int>(AsInteger(row[5]));
    return seat;
}

long long InsertOne(RecordSession& session, const GameRecord& game) {
    session.Run(kInsertGame, {{":played_at", game.playedAt},
                              {":seed", std::to_string(game.seed)},
                              {":program_version", game.programVersion},
                              {":players", game.Players()},
                              {":human_seat", game.humanSeat},
                              {":computer_level", LevelName(game.computers)},
                              {":winner", game.winner},
                              {":rounds", static_cast<long long>(game.rounds)},
                              {":duration_ms", game.durationMs},
                              {":exited", game.exited ? 1LL : 0LL},
                              {":resumed", game.resumed ? 1LL : 0LL},
                              {":source", game.source}});
    const long long id = session.LastInsertId();
    for (std::size_t i = 0; i < game.seats.size(); ++i) {
        const GameRecord::Seat& seat = game.seats[i];
        session.Run(kInsertSeat, {{":game_id", id},
                                  {":seat", static_cast<long long>(i + 1)},
                                  {":points", seat.points},
                                  {":building_count", seat.buildingCount},
                                  {":building_points", seat.buildingPoints},
                                  {":chapel_points", seat.chapelPoints},
                                  {":bonus_points", seat.bonusPoints}});
    }
    return id;
}

}  // namespace

long long AsInteger(const SqlValue& value) {
    if (const long long* number = std::get_if<long long>(&value)) {
        return *number;
    }
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return std::stoll(*text);
    }
    return 0;
}

std::string AsText(const SqlValue& value) {
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (const long long* number = std::get_if<long long>(&value)) {
        return std::to_string(*number);
    }
    return "";
}

int SchemaVersionOf(RecordSession& session) {
    return static_cast<int>(OneInteger(session, "PRAGMA user_version"));
}

void PrepareRecord(RecordSession& session, int version) {
    const int target = version == 0 ? RecordSchemaVersion() : version;
    session.Run("PRAGMA busy_timeout = " + std::to_string(kBusyMilliseconds));
    UseWriteAheadLog(session);
    session.Run("PRAGMA foreign_keys = ON");
    // Read again inside the transaction: another program may have migrated meanwhile.
    WriteTransaction transaction(session);
    const int found = SchemaVersionOf(session);
    if (found > RecordSchemaVersion()) {
        throw RecordError("it was written by a newer version of Quellin (schema " +
                          std::to_string(found) + ", this one knows up to " +
                          std::to_string(RecordSchemaVersion()) + ")");
    }
    for (const RecordMigration& migration : RecordMigrations()) {
        if (migration.version > found && migration.version <= target) {
            for (const std::string_view statement : migration.statements) {
                session.Run(std::string(statement));
            }
            session.Run("PRAGMA user_version = " + std::to_string(migration.version));
        }
    }
    transaction.Commit();
}

long long InsertGame(RecordSession& session, const GameRecord& game) {
    WriteTransaction transaction(session);
    const long long id = InsertOne(session, game);
    transaction.Commit();
    return id;
}

void InsertGames(RecordSession& session, const std::vector<GameRecord>& games) {
    WriteTransaction transaction(session);
    for (const GameRecord& game : games) {
        InsertOne(session, game);
    }
    transaction.Commit();
}

std::vector<GameRecord> ReadGames(RecordSession& session) {
    std::vector<GameRecord> games;
    std::map<long long, std::size_t> byId;
    for (const RecordSession::Row& row : session.Run(kSelectGames)) {
        byId[AsInteger(row[0])] = games.size();
        games.push_back(GameFrom(row));
    }
    for (const RecordSession::Row& row : session.Run(kSelectSeats)) {
        if (const auto game = byId.find(AsInteger(row[0])); game != byId.end()) {
            games[game->second].seats.push_back(SeatFrom(row));
        }
    }
    for (const GameRecord& game : games) {
        CheckWhole(game);
    }
    return games;
}
