#include "cleaner/SqliteRows.h"

#include <sqlite3.h>

#include <memory>
#include <optional>

namespace {

constexpr int kBusyTimeoutMs = 2000;

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

std::string ErrorOf(sqlite3* db) {
  return db ? sqlite3_errmsg(db) : "out of memory";
}

std::optional<std::int64_t> Number(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) return std::nullopt;
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
  if (sqlite3_step(raw) != SQLITE_ROW) return std::nullopt;
  return sqlite3_column_int64(raw, 0);
}

bool HasTable(sqlite3* db, const std::string& table) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name=?1",
                         -1, &raw, nullptr) != SQLITE_OK) {
    return false;
  }
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
  sqlite3_bind_text(raw, 1, table.c_str(), -1, SQLITE_TRANSIENT);
  return sqlite3_step(raw) == SQLITE_ROW && sqlite3_column_int64(raw, 0) > 0;
}

bool Run(sqlite3* db, const std::string& sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message ? message : ErrorOf(db);
  sqlite3_free(message);
  return false;
}

// The table name quoted for SQL ("..." with inner quotes doubled).
std::string Quoted(const std::string& table) {
  std::string quoted = "\"";
  for (char c : table) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string Condition(const TRowSelection& rows) {
  return rows.Where.empty() ? std::string() : " WHERE " + rows.Where;
}

}  // namespace

TRowsCleared ClearSqliteRows(const std::string& path, const std::string& requiredTable,
                             const std::vector<TRowSelection>& rows, bool previewOnly,
                             const std::string& notThatKind) {
  TRowsCleared result;
  sqlite3* raw = nullptr;
  const int flags =
      (previewOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOFOLLOW;
  const int opened = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  std::unique_ptr<sqlite3, CloseDatabase> db(raw);
  if (opened != SQLITE_OK) {
    result.Error = ErrorOf(raw);
    return result;
  }
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  // A database that cannot be read (busy, damaged, not a database) says why.
  if (!Number(raw, "SELECT count(*) FROM sqlite_master")) {
    result.Error = ErrorOf(raw);
    return result;
  }
  if (!HasTable(raw, requiredTable)) {
    result.Error = notThatKind;
    return result;
  }
  std::vector<const TRowSelection*> present;
  for (const TRowSelection& selection : rows) {
    if (HasTable(raw, selection.Table)) present.push_back(&selection);
  }

  std::string error;
  if (!previewOnly &&
      (!Run(raw, "PRAGMA secure_delete=ON", error) || !Run(raw, "BEGIN IMMEDIATE", error))) {
    result.Error = error;
    return result;
  }
  const auto fail = [&](std::string why) {
    std::string ignored;
    if (!previewOnly) Run(raw, "ROLLBACK", ignored);
    result.Rows = 0;
    result.Error = std::move(why);
    return result;
  };
  for (const TRowSelection* selection : present) {
    const auto count =
        Number(raw, "SELECT count(*) FROM " + Quoted(selection->Table) + Condition(*selection));
    if (!count) return fail(ErrorOf(raw));
    result.Rows += static_cast<std::uint64_t>(*count);
  }
  if (previewOnly) {
    result.Ok = true;
    return result;
  }
  // Tables in the order given: a condition may look at rows of a table removed after it.
  for (const TRowSelection* selection : present) {
    if (!Run(raw, "DELETE FROM " + Quoted(selection->Table) + Condition(*selection), error)) {
      return fail(error);
    }
  }
  if (!Run(raw, "COMMIT", error)) return fail(error);
  // The old pages in the write-ahead log go into the file (overwritten there) and the log ends.
  std::string ignored;
  Run(raw, "PRAGMA wal_checkpoint(TRUNCATE)", ignored);
  result.Ok = true;
  return result;
}
