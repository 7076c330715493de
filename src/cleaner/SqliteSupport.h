#pragma once
// Small helpers over SQLite's C interface shared by the cleaners that edit browser and desktop
// databases: owners that close a database and finalize a statement, the database's own words for
// its last failure, and questions about its tables.

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

// The database's message for its last failure ("out of memory" when there is no database).
std::string SqliteErrorOf(sqlite3* db);

// The first column of the first row of a query; null when it fails.
std::optional<std::int64_t> SqliteNumber(sqlite3* db, const std::string& sql);

// Whether the database holds a table of that name.
bool SqliteHasTable(sqlite3* db, const std::string& table);

// Runs the statements; false with the database's reason in `error` when one fails.
bool SqliteRun(sqlite3* db, const std::string& sql, std::string& error);

// Opens the database file (read-only for a look that changes nothing; never through a link),
// waits a while for a browser that holds it busy, and checks that it can be read at all (not
// damaged, not a database of another kind). Null, with the database's reason in `error`, when not.
Database OpenSqliteDatabase(const std::string& path, bool readOnly, std::string& error);
