#pragma once

#include <vector>

#include "record/GameRecord.h"
#include "record/RecordSession.h"

// The record of games in an SQLite database, over either program's connection. Each function
// throws RecordError when the database cannot be read or written; a write is whole or not at
// all.

// Readies a freshly opened connection: a busy timeout, so that two programs writing at once
// wait for each other, write-ahead logging, so that readers never stop a writer, and the schema
// brought up to `version` (the newest by default). A database newer than this program is
// refused.
void PrepareRecord(RecordSession& session, int version = 0);
// The database's schema version: 0 for an empty one.
int SchemaVersionOf(RecordSession& session);
// Adds one game and its seats, in one transaction; returns its id.
long long InsertGame(RecordSession& session, const GameRecord& game);
// Adds many games in one transaction, which holds the database only as long as the inserts
// take: a program writing one game at a time waits for it at most that long.
void InsertGames(RecordSession& session, const std::vector<GameRecord>& games);
// Every game recorded, in the order they were written.
std::vector<GameRecord> ReadGames(RecordSession& session);
