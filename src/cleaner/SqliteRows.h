#pragma once
// Rows removed inside an SQLite database that other programs own (a browser's history, the
// desktop's activity log): the file stays, only the chosen rows go. Deleted content is
// overwritten in the file (secure_delete), a write-ahead log is folded back into the file and
// truncated, and a rollback journal, which receives the pages as they were before, is
// overwritten before it is emptied: the removed rows survive neither in the free pages nor in
// the log or the journal.

#include <cstdint>
#include <string>
#include <vector>

// Rows of one table: every row, or those that `Where` selects. A table the database does not
// have is passed over (the layouts differ between versions of their programs).
struct TRowSelection {
  std::string Table;
  std::string Where;  // an SQL condition; empty for every row
  // A table the condition looks into: when the database does not have it, nothing there can
  // hold a row back, and every row of Table is selected.
  std::string WhereNeeds = {};
};

// Texts a condition may look up as the one-column table temp.<Table>(value): they are bound as
// parameters, never written into the SQL text, so any text (an address with a quote) is taken
// as it is.
struct TSqliteValues {
  std::string Table;
  std::vector<std::string> Values;
};

struct TRowsCleared {
  bool Ok = false;
  std::uint64_t Rows = 0;  // rows removed (in a preview: that would be)
  std::string Error;       // why nothing was changed, when not Ok
  // When Ok: what could not be done after the rows went (the journal not overwritten), or empty.
  std::string Note;
};

// Removes the selected rows in one transaction (with previewOnly: counts them, opening the file
// read-only). A database without `requiredTable` (empty: without any of the selected tables) is
// not the kind expected and is left as it is, with `notThatKind` as the reason. A link is never
// opened.
TRowsCleared ClearSqliteRows(const std::string& path, const std::string& requiredTable,
                             const std::vector<TRowSelection>& rows, bool previewOnly,
                             const std::string& notThatKind, const TSqliteValues& values = {});
