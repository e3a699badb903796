#pragma once

#include <span>
#include <string_view>
#include <vector>

// The record's schema: migration n brings a database from version n - 1 to version n (version
// 0 is an empty file), one statement at a time. The schema version is SQLite's user_version.
// Every program that writes the record takes it from here.
struct RecordMigration {
    int version;
    std::vector<std::string_view> statements;
};

std::span<const RecordMigration> RecordMigrations();
// The version the migrations end at: the one this program writes.
int RecordSchemaVersion();
