#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// A value going into or coming out of the record's database.
using SqlValue = std::variant<std::nullptr_t, long long, std::string>;

// Why the record could not be read or written, in words for the player.
struct RecordError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// SQLite found the database busy or locked by another connection, where it does not wait.
struct RecordBusy : RecordError {
    using RecordError::RecordError;
};

// Whether SQLite's result code `code` says the database was busy or locked.
inline bool IsBusyCode(int code) {
    const int primary = code & 0xff;
    return primary == 5 || primary == 6;  // SQLITE_BUSY, SQLITE_LOCKED
}

// An open connection to a record database, as each program reaches SQLite: the game through
// Qt SQL, the simulator through SQLite's own library. The record's schema, its migrations and
// its statements are written once, against this.
class RecordSession {
  public:
    using Params = std::vector<std::pair<std::string, SqlValue>>;  // ":name", value
    using Row = std::vector<SqlValue>;

    virtual ~RecordSession() = default;
    // Runs one statement with its named parameters and returns the rows it gives (none for
    // most). Throws RecordError with SQLite's reason.
    virtual std::vector<Row> Run(const std::string& sql, const Params& params = {}) = 0;
    // The row id the last insert gave.
    virtual long long LastInsertId() = 0;
};

// The whole number in `value`; 0 for a null.
long long AsInteger(const SqlValue& value);
// The text in `value`; "" for a null.
std::string AsText(const SqlValue& value);
