#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "record/RecordSession.h"

// One connection to an SQLite database file.
class SqliteSession : public RecordSession {
  public:
    explicit SqliteSession(const std::filesystem::path& file) {
        if (sqlite3_open_v2(file.c_str(), &mDatabase, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            const std::string reason = mDatabase ? sqlite3_errmsg(mDatabase) : "out of memory";
            sqlite3_close(mDatabase);
            throw RecordError(reason);
        }
    }
    SqliteSession(const SqliteSession&) = delete;
    SqliteSession& operator=(const SqliteSession&) = delete;
    ~SqliteSession() override { sqlite3_close(mDatabase); }

    std::vector<Row> Run(const std::string& sql, const Params& params = {}) override {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(mDatabase, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
            throw RecordError(sqlite3_errmsg(mDatabase));
        }
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw,
                                                                              sqlite3_finalize);
        for (const auto& [name, value] : params) {
            Bind(raw, name, value);
        }
        std::vector<Row> rows;
        while (true) {
            const int step = sqlite3_step(raw);
            if (step == SQLITE_DONE) {
                return rows;
            }
            if (step != SQLITE_ROW) {
                if (IsBusyCode(step)) {
                    throw RecordBusy(sqlite3_errmsg(mDatabase));
                }
                throw RecordError(sqlite3_errmsg(mDatabase));
            }
            rows.push_back(RowOf(raw));
        }
    }
    long long LastInsertId() override { return sqlite3_last_insert_rowid(mDatabase); }

  private:
    static void Bind(sqlite3_stmt* statement, const std::string& name, const SqlValue& value) {
        const int index = sqlite3_bind_parameter_index(statement, name.c_str());
        if (index == 0) {
            throw RecordError("the statement has no parameter " + name);
        }
        if (const long long* number = std::get_if<long long>(&value)) {
            sqlite3_bind_int64(statement, index, *number);
        } else if (const std::string* text = std::get_if<std::string>(&value)) {
            sqlite3_bind_text(statement, index, text->c_str(), static_cast<int>(text->size()),
                              SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_null(statement, index);
        }
    }
    static Row RowOf(sqlite3_stmt* statement) {
        Row row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            switch (sqlite3_column_type(statement, i)) {
                case SQLITE_NULL:
                    row.emplace_back(nullptr);
                    break;
                case SQLITE_INTEGER:
                    row.emplace_back(static_cast<long long>(sqlite3_column_int64(statement, i)));
                    break;
                default:
                    row.emplace_back(std::string(
                        reinterpret_cast<const char*>(sqlite3_column_text(statement, i))));
            }
        }
        return row;
    }

    sqlite3* mDatabase = nullptr;
};
