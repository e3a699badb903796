#include "record/RecordSchema.h"

namespace {

const std::vector<RecordMigration> kMigrations = {
    {1,
     {R"(CREATE TABLE games (
            id INTEGER PRIMARY KEY,
            played_at TEXT NOT NULL,
            seed TEXT NOT NULL,
            program_version TEXT NOT NULL,
            players INTEGER NOT NULL,
            human_seat INTEGER NOT NULL,
            computer_level TEXT NOT NULL,
            winner INTEGER NOT NULL,
            rounds INTEGER NOT NULL,
            duration_ms INTEGER NOT NULL,
            exited INTEGER NOT NULL,
            resumed INTEGER NOT NULL))",
      R"(CREATE TABLE seats (
            game_id INTEGER NOT NULL REFERENCES games (id) ON DELETE CASCADE,
            seat INTEGER NOT NULL,
            points INTEGER NOT NULL,
            building_count INTEGER NOT NULL,
            building_points INTEGER NOT NULL,
            chapel_points INTEGER NOT NULL,
            bonus_points INTEGER NOT NULL,
            PRIMARY KEY (game_id, seat)))"}},
    // Where a game was played, so that the simulator's games can share a record with the
    // player's and still be told apart; and the games in the order the statistics read them.
    {2,
     {"ALTER TABLE games ADD COLUMN source TEXT NOT NULL DEFAULT 'table'",
      "CREATE INDEX games_by_date ON games (played_at, id)"}},
};

}  // namespace

std::span<const RecordMigration> RecordMigrations() {
    return kMigrations;
}

int RecordSchemaVersion() {
    return kMigrations.back().version;
}
