#pragma once
// Databases that the cleaner tests build with the real layouts of other programs, and the
// queries that check what is left in them.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace sqltest {

// Runs SQL on a database file, creating it.
inline void Exec(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  // The tests' own databases need not survive a crash: no waiting for the device.
  sqlite3_exec(db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
  char* error = nullptr;
  const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  EXPECT_EQ(result, SQLITE_OK) << (error ? error : "");
  sqlite3_free(error);
  sqlite3_close(db);
}

// The first column of the first row; -1 when the query cannot run.
inline std::int64_t Count(const std::string& path, const std::string& query) {
  sqlite3* db = nullptr;
  std::int64_t count = -1;
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, query.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      count = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return count;
}

}  // namespace sqltest
