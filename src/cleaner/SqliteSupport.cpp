#include "cleaner/SqliteSupport.h"
#include "core/Translated.h"

std::string SqliteErrorOf(sqlite3* db) {
  return db ? sqlite3_errmsg(db) : Tr("out of memory");
}

std::optional<std::int64_t> SqliteNumber(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) return std::nullopt;
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
  if (sqlite3_step(raw) != SQLITE_ROW) return std::nullopt;
  return sqlite3_column_int64(raw, 0);
}

bool SqliteHasTable(sqlite3* db, const std::string& table) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?1",
                         -1, &raw, nullptr) != SQLITE_OK) {
    return false;
  }
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
  sqlite3_bind_text(raw, 1, table.c_str(), -1, SQLITE_TRANSIENT);
  return sqlite3_step(raw) == SQLITE_ROW && sqlite3_column_int64(raw, 0) > 0;
}

bool SqliteRun(sqlite3* db, const std::string& sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message ? message : SqliteErrorOf(db);
  sqlite3_free(message);
  return false;
}

Database OpenSqliteDatabase(const std::string& path, bool readOnly, std::string& error) {
  constexpr int kBusyTimeoutMs = 2000;
  sqlite3* raw = nullptr;
  const int flags =
      (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOFOLLOW;
  const int opened = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  Database db(raw);
  if (opened != SQLITE_OK) {
    error = SqliteErrorOf(raw);
    return nullptr;
  }
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  if (!SqliteNumber(raw, "SELECT count(*) FROM sqlite_master")) {
    error = SqliteErrorOf(raw);
    return nullptr;
  }
  return db;
}
