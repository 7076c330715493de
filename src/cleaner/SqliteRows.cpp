#include "cleaner/SqliteRows.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Folder.h"

#include "cleaner/SqliteSupport.h"
#include "core/Translated.h"

namespace {

// The table name quoted for SQL ("..." with inner quotes doubled).
std::string Quoted(const std::string& table) {
  std::string quoted = "\"";
  for (char c : table) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

// The rows' condition as the database can answer it: one that looks into a table the database
// lacks holds nothing back.
std::string Condition(sqlite3* db, const TRowSelection& rows) {
  if (rows.Where.empty()) return {};
  if (!rows.WhereNeeds.empty() && !SqliteHasTable(db, rows.WhereNeeds)) return {};
  return " WHERE " + rows.Where;
}

// Makes the temporary table of the texts, each bound as a parameter.
bool MakeValuesTable(sqlite3* db, const TSqliteValues& values, std::string& error) {
  if (values.Table.empty()) return true;
  if (!SqliteRun(db, "CREATE TEMP TABLE " + Quoted(values.Table) + "(value TEXT PRIMARY KEY)",
                 error)) {
    return false;
  }
  sqlite3_stmt* raw = nullptr;
  const std::string insert = "INSERT OR IGNORE INTO temp." + Quoted(values.Table) + " VALUES (?1)";
  if (sqlite3_prepare_v2(db, insert.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
    error = SqliteErrorOf(db);
    return false;
  }
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
  for (const std::string& value : values.Values) {
    sqlite3_bind_text(raw, 1, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(raw) != SQLITE_DONE) {
      error = SqliteErrorOf(db);
      return false;
    }
    sqlite3_reset(raw);
  }
  return true;
}

// The first column of the first row, as text; empty when the query fails.
std::string Text(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) return {};
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
  if (sqlite3_step(raw) != SQLITE_ROW) return {};
  const unsigned char* text = sqlite3_column_text(raw, 0);
  return text ? reinterpret_cast<const char*>(text) : "";
}

// Overwrites the journal with zeros, forces that to the device and empties it. Nothing when
// there is no journal; a journal that is not a plain file of one name is not touched.
std::string OverwriteJournal(const std::string& journal) {
  auto place = platform::openContainingFolder(journal);
  if (!place || place->name.empty()) return {};
  const auto listed = place->folder->entry(place->name);
  if (!listed || listed->kind == platform::EntryKind::Folder) return {};
  if (listed->kind != platform::EntryKind::File || listed->links > 1) {
    return Tr("the journal is not a plain file of its own");
  }
  auto opened = place->folder->openFile(place->name, listed->id);
  if (!opened) return opened.error().message();
  const std::unique_ptr<platform::File> file = opened.release();
  if (const auto now = file->info(); !now || now->links > 1) {
    return Tr("the journal is not a plain file of its own");
  }
  const std::vector<char> zeros(64u << 10, 0);
  for (std::uint64_t done = 0; done < listed->size;) {
    const std::size_t length =
        static_cast<std::size_t>(std::min<std::uint64_t>(zeros.size(), listed->size - done));
    if (auto written = file->write(zeros.data(), length); !written) {
      return written.error().message();
    }
    done += length;
  }
  if (auto flushed = file->flush(); !flushed) return flushed.error().message();
  if (auto emptied = file->truncate(0); !emptied) return emptied.error().message();
  return {};
}

}  // namespace

TRowsCleared ClearSqliteRows(const std::string& path, const std::string& requiredTable,
                             const std::vector<TRowSelection>& rows, bool previewOnly,
                             const std::string& notThatKind, const TSqliteValues& values) {
  TRowsCleared result;
  const Database db = OpenSqliteDatabase(path, previewOnly, result.Error);
  if (!db) return result;
  sqlite3* const raw = db.get();
  std::vector<const TRowSelection*> present;
  for (const TRowSelection& selection : rows) {
    if (SqliteHasTable(raw, selection.Table)) present.push_back(&selection);
  }
  if (requiredTable.empty() ? present.empty() : !SqliteHasTable(raw, requiredTable)) {
    result.Error = notThatKind;
    return result;
  }

  std::string error;
  if (!MakeValuesTable(raw, values, error)) {
    result.Error = error;
    return result;
  }
  // A rollback journal (any mode but a write-ahead log) is kept after the commit by this
  // connection, so that it can be overwritten below; the mode holds for this connection only.
  const bool rollbackJournal = !previewOnly && Text(raw, "PRAGMA journal_mode") != "wal";
  if (rollbackJournal && !SqliteRun(raw, "PRAGMA journal_mode=PERSIST", error)) {
    result.Error = error;
    return result;
  }
  if (!previewOnly && (!SqliteRun(raw, "PRAGMA secure_delete=ON", error) ||
                       !SqliteRun(raw, "BEGIN IMMEDIATE", error))) {
    result.Error = error;
    return result;
  }
  const auto fail = [&](std::string why) {
    std::string ignored;
    if (!previewOnly) SqliteRun(raw, "ROLLBACK", ignored);
    result.Rows = 0;
    result.Error = std::move(why);
    return result;
  };
  for (const TRowSelection* selection : present) {
    const auto count = SqliteNumber(
        raw, "SELECT count(*) FROM " + Quoted(selection->Table) + Condition(raw, *selection));
    if (!count) return fail(SqliteErrorOf(raw));
    result.Rows += static_cast<std::uint64_t>(*count);
  }
  if (previewOnly) {
    result.Ok = true;
    return result;
  }
  // Tables in the order given: a condition may look at rows of a table removed after it.
  for (const TRowSelection* selection : present) {
    if (!SqliteRun(raw, "DELETE FROM " + Quoted(selection->Table) + Condition(raw, *selection),
                   error)) {
      return fail(error);
    }
  }
  if (!SqliteRun(raw, "COMMIT", error)) return fail(error);
  std::string ignored;
  if (rollbackJournal) {
    // The journal holds the pages as they were before the rows went. It is overwritten while
    // a reserved lock keeps every other writer (and so every use of the journal) out.
    if (SqliteRun(raw, "BEGIN IMMEDIATE", error)) {
      if (const std::string why = OverwriteJournal(path + "-journal"); !why.empty()) {
        result.Note = Substituted(
            Tr("the journal that held the removed rows could not be overwritten ({})"), {why});
      }
      SqliteRun(raw, "ROLLBACK", ignored);
    } else {
      result.Note = Substituted(
          Tr("the journal that held the removed rows could not be overwritten ({})"), {error});
    }
    // Leaving the kept journal behind removes its (now empty) file.
    SqliteRun(raw, "PRAGMA journal_mode=DELETE", ignored);
  }
  // The old pages in the write-ahead log go into the file (overwritten there) and the log ends.
  SqliteRun(raw, "PRAGMA wal_checkpoint(TRUNCATE)", ignored);
  result.Ok = true;
  return result;
}
