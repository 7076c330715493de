#include "cleaner/PlacesHistory.h"

#include <sqlite3.h>

#include <memory>
#include <optional>

#include "cleaner/SqliteSupport.h"
#include "core/Translated.h"

namespace {

bool HasColumn(sqlite3* db, const std::string& table, const std::string& column) {
  return SqliteNumber(db, "SELECT count(*) FROM pragma_table_info('" + table + "') WHERE name='" +
                              column + "'")
             .value_or(0) > 0;
}

}  // namespace

TPlacesHistory ClearPlacesHistory(const std::string& path, bool previewOnly) {
  TPlacesHistory result;
  const Database db = OpenSqliteDatabase(path, previewOnly, result.Error);
  if (!db) return result;
  sqlite3* const raw = db.get();
  if (!SqliteHasTable(raw, "moz_places") || !SqliteHasTable(raw, "moz_historyvisits")) {
    result.Error = Tr("holds no browsing history");
    return result;
  }

  // Pages that a bookmark or a keyword uses stay, with their visits forgotten.
  std::string kept = SqliteHasTable(raw, "moz_bookmarks")
                         ? "id IN (SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL)"
                         : "0";
  if (SqliteHasTable(raw, "moz_keywords")) {
    kept += " OR id IN (SELECT place_id FROM moz_keywords WHERE place_id IS NOT NULL)";
  }
  const std::string unused = "FROM moz_places WHERE NOT (" + kept + ")";

  std::string error;
  if (!previewOnly && (!SqliteRun(raw, "PRAGMA secure_delete=ON", error) ||
                       !SqliteRun(raw, "BEGIN IMMEDIATE", error))) {
    result.Error = error;
    return result;
  }
  const auto visits = SqliteNumber(raw, "SELECT count(*) FROM moz_historyvisits");
  const auto pages = SqliteNumber(raw, "SELECT count(*) " + unused);
  if (!visits || !pages) {
    result.Error = SqliteErrorOf(raw);
    std::string ignored;
    if (!previewOnly) SqliteRun(raw, "ROLLBACK", ignored);
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
    if (SqliteHasTable(raw, table)) sql += std::string("DELETE FROM ") + table + ";";
  }
  if (SqliteHasTable(raw, "moz_annos")) {
    sql += "DELETE FROM moz_annos WHERE place_id NOT IN (SELECT id FROM moz_places);";
  }
  if (SqliteHasTable(raw, "moz_origins") && HasColumn(raw, "moz_places", "origin_id")) {
    sql +=
        "DELETE FROM moz_origins WHERE id NOT IN "
        "(SELECT origin_id FROM moz_places WHERE origin_id IS NOT NULL);";
  }
  if (!SqliteRun(raw, sql, error) || !SqliteRun(raw, "COMMIT", error)) {
    std::string ignored;
    SqliteRun(raw, "ROLLBACK", ignored);
    result.Error = error;
    return result;
  }
  // The old pages in the write-ahead log go into the file (overwritten there) and the log ends.
  std::string ignored;
  SqliteRun(raw, "PRAGMA wal_checkpoint(TRUNCATE)", ignored);
  result.Ok = true;
  return result;
}
