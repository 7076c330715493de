#include "cleaner/PlacesHistory.h"

#include <sqlite3.h>

#include <memory>
#include <optional>

namespace {

constexpr int kBusyTimeoutMs = 2000;

struct CloseDatabase {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

std::string ErrorOf(sqlite3* db) {
  return db ? sqlite3_errmsg(db) : "out of memory";
}

// The first column of the first row of a query; null when it fails.
std::optional<std::int64_t> Number(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) return std::nullopt;
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
  if (sqlite3_step(raw) != SQLITE_ROW) return std::nullopt;
  return sqlite3_column_int64(raw, 0);
}

bool HasTable(sqlite3* db, const std::string& table) {
  return Number(db,
                "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='" + table + "'")
             .value_or(0) > 0;
}

bool HasColumn(sqlite3* db, const std::string& table, const std::string& column) {
  return Number(db, "SELECT count(*) FROM pragma_table_info('" + table + "') WHERE name='" +
                        column + "'")
             .value_or(0) > 0;
}

bool Run(sqlite3* db, const std::string& sql, std::string& error) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) == SQLITE_OK) return true;
  error = message ? message : ErrorOf(db);
  sqlite3_free(message);
  return false;
}

}  // namespace

TPlacesHistory ClearPlacesHistory(const std::string& path, bool previewOnly) {
  TPlacesHistory result;
  sqlite3* raw = nullptr;
  const int flags =
      (previewOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOFOLLOW;
  const int opened = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
  Database db(raw);
  if (opened != SQLITE_OK) {
    result.Error = ErrorOf(raw);
    return result;
  }
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  // A database that cannot be read (busy, damaged) says why, before its tables are looked for.
  if (!Number(raw, "SELECT count(*) FROM sqlite_master")) {
    result.Error = ErrorOf(raw);
    return result;
  }
  if (!HasTable(raw, "moz_places") || !HasTable(raw, "moz_historyvisits")) {
    result.Error = "holds no browsing history";
    return result;
  }

  // Pages that a bookmark or a keyword uses stay, with their visits forgotten.
  std::string kept = "id IN (SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL)";
  if (!HasTable(raw, "moz_bookmarks")) kept = "0";
  if (HasTable(raw, "moz_keywords")) {
    kept += " OR id IN (SELECT place_id FROM moz_keywords WHERE place_id IS NOT NULL)";
  }
  const std::string unused = "FROM moz_places WHERE NOT (" + kept + ")";

  std::string error;
  if (!previewOnly &&
      (!Run(raw, "PRAGMA secure_delete=ON", error) || !Run(raw, "BEGIN IMMEDIATE", error))) {
    result.Error = error;
    return result;
  }
  const auto visits = Number(raw, "SELECT count(*) FROM moz_historyvisits");
  const auto pages = Number(raw, "SELECT count(*) " + unused);
  if (!visits || !pages) {
    result.Error = ErrorOf(raw);
    std::string ignored;
    if (!previewOnly) Run(raw, "ROLLBACK", ignored);
    return result;
  }
  result.Visits = static_cast<std::uint64_t>(*visits);
  result.Pages = static_cast<std::uint64_t>(*pages);
  if (previewOnly) {
    result.Ok = true;
    return result;
  }

  std::string sql = "DELETE FROM moz_historyvisits; DELETE " + unused + ";";
  if (HasColumn(raw, "moz_places", "visit_count")) sql += "UPDATE moz_places SET visit_count = 0;";
  if (HasColumn(raw, "moz_places", "last_visit_date")) {
    sql += "UPDATE moz_places SET last_visit_date = NULL;";
  }
  for (const char* table :
       {"moz_inputhistory", "moz_places_metadata", "moz_places_metadata_search_queries"}) {
    if (HasTable(raw, table)) sql += std::string("DELETE FROM ") + table + ";";
  }
  if (HasTable(raw, "moz_annos")) {
    sql += "DELETE FROM moz_annos WHERE place_id NOT IN (SELECT id FROM moz_places);";
  }
  if (HasTable(raw, "moz_origins") && HasColumn(raw, "moz_places", "origin_id")) {
    sql +=
        "DELETE FROM moz_origins WHERE id NOT IN "
        "(SELECT origin_id FROM moz_places WHERE origin_id IS NOT NULL);";
  }
  if (!Run(raw, sql, error) || !Run(raw, "COMMIT", error)) {
    std::string ignored;
    Run(raw, "ROLLBACK", ignored);
    result.Error = error;
    return result;
  }
  // The old pages in the write-ahead log go into the file (overwritten there) and the log ends.
  std::string ignored;
  Run(raw, "PRAGMA wal_checkpoint(TRUNCATE)", ignored);
  result.Ok = true;
  return result;
}
