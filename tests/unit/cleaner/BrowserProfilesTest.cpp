// The browser items on profiles shaped like those of Firefox, Thunderbird and Opera, with
// databases the tests make: the traces go, the bookmarks and everything else stay.

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "CleanerFixture.h"
#include "cleaner/BrowserProfiles.h"

namespace {

namespace fsys = std::filesystem;
using Texts = std::vector<std::string>;

// Runs SQL on a database file, creating it.
void Sql(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  char* error = nullptr;
  const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  EXPECT_EQ(result, SQLITE_OK) << (error ? error : "");
  sqlite3_free(error);
  sqlite3_close(db);
}

std::int64_t Count(const std::string& path, const std::string& query) {
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

// A child process that holds a lock on the file, as a running browser holds its profile's
// ".parentlock": a record lock (fcntl) or a whole-file lock (flock). The lock goes with the object.
class LockHolder {
 public:
  LockHolder(const std::string& path, bool wholeFile) {
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      ::close(release[1]);
      const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0644);
      bool held = fd >= 0;
      if (held && wholeFile) {
        held = ::flock(fd, LOCK_EX) == 0;
      } else if (held) {
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        held = ::fcntl(fd, F_SETLK, &lock) == 0;
      }
      char byte = held ? '1' : '0';
      if (::write(ready[1], &byte, 1) == 1) {
        while (::read(release[0], &byte, 1) > 0) {
        }
      }
      ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    char byte = 0;
    held_ = ::read(ready[0], &byte, 1) == 1 && byte == '1';
    ::close(ready[0]);
    release_ = release[1];
  }
  ~LockHolder() {
    ::close(release_);
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
  }
  bool held() const { return held_; }

 private:
  pid_t pid_ = -1;
  int release_ = -1;
  bool held_ = false;
};

// The tables of a Firefox history database that the cleaning touches, with two visited pages
// (one bookmarked), a page used by a keyword, and what hangs on them.
constexpr const char* kPlaces = R"(
  PRAGMA journal_mode=WAL;
  CREATE TABLE moz_origins (id INTEGER PRIMARY KEY, host TEXT);
  CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT, title TEXT, visit_count INTEGER,
                           last_visit_date INTEGER, origin_id INTEGER);
  CREATE TABLE moz_historyvisits (id INTEGER PRIMARY KEY, place_id INTEGER, visit_date INTEGER);
  CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER, parent INTEGER,
                              title TEXT);
  CREATE TABLE moz_keywords (id INTEGER PRIMARY KEY, keyword TEXT, place_id INTEGER);
  CREATE TABLE moz_inputhistory (place_id INTEGER, input TEXT, use_count INTEGER);
  CREATE TABLE moz_annos (id INTEGER PRIMARY KEY, place_id INTEGER, content TEXT);
  INSERT INTO moz_origins VALUES (1, 'kept.example'), (2, 'secret.example'), (3, 'kw.example');
  INSERT INTO moz_places VALUES (1, 'https://kept.example/', 'Kept', 3, 100, 1),
                                (2, 'https://secret.example/page', 'Secret', 1, 200, 2),
                                (3, 'https://kw.example/?q=%s', 'Search', 0, NULL, 3);
  INSERT INTO moz_historyvisits VALUES (1, 1, 10), (2, 1, 20), (3, 2, 30);
  INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 'root'), (2, 1, 1, 1, 'Kept');
  INSERT INTO moz_keywords VALUES (1, 'kw', 3);
  INSERT INTO moz_inputhistory VALUES (2, 'sec', 1);
  INSERT INTO moz_annos VALUES (1, 2, 'secret note'), (2, 1, 'kept note');
)";

class BrowserProfilesTest : public CleanerTest {
 protected:
  BrowserProfilesTest() { CleanerEnvironment().ProcessFolder = folder.makeFolder("proc"); }

  // A Firefox profile with history, cookies, form history and a cache in both places.
  std::string FirefoxProfile(const std::string& install, const std::string& name,
                             const std::string& cache) {
    const std::string profile = folder.makeFolder(install + name) + "/";
    folder.write(install + name + "/prefs.js", "");
    Sql(profile + "places.sqlite", kPlaces);
    Sql(profile + "cookies.sqlite", "CREATE TABLE moz_cookies (name TEXT);");
    folder.write(install + name + "/cookies.sqlite-wal", "w");
    Sql(profile + "formhistory.sqlite", "CREATE TABLE moz_formhistory (value TEXT);");
    folder.write(install + name + "/cache2/entries/A1", "cached");
    if (!cache.empty()) folder.write(cache + name + "/cache2/entries/B2", "cached");
    return profile;
  }

  // Previews every Mozilla item, then cleans with them; the records of each run.
  std::pair<std::vector<TCleanRecord>, std::vector<TCleanRecord>> RunMozilla(TEraserEngine& engine,
                                                                             bool preview) {
    engine.ClearRecords();
    engine.Preview = preview;
    for (TEraser* item : {static_cast<TEraser*>(engine.NetscapeMozillaCache),
                          static_cast<TEraser*>(engine.NetscapeMozillaLocationBar),
                          static_cast<TEraser*>(engine.NetscapeMozillaCookies),
                          static_cast<TEraser*>(engine.NetscapeMozillaFormsData)}) {
      item->Erase();
    }
    engine.Preview = false;
    return {engine.Removed, engine.Left};
  }

  static Texts WhatOf(const std::vector<TCleanRecord>& records) {
    Texts texts;
    for (const TCleanRecord& record : records) texts.push_back(record.What);
    std::sort(texts.begin(), texts.end());
    return texts;
  }
};

TEST(ProfilesIni, ListsRelativeAndAbsoluteProfilesButNothingOutsideTheInstall) {
  const std::string ini =
      "[General]\nStartWithLastProfile=1\n\n[Profile0]\nName=default\r\nIsRelative=1\r\n"
      "Path=abc.default\r\n\n[Install4F96D1932A9F858E]\nDefault=zzz\n\n[Profile1]\n"
      "IsRelative=0\nPath=/data/ff\n[Profile2]\nPath=../../etc\n[Profile3]\nName=empty\n"
      "[Profile4]\nPath=Profiles/q.work\n";
  EXPECT_EQ(ProfilesListedIn(ini, "/h/.mozilla/firefox/"),
            (Texts{"/h/.mozilla/firefox/abc.default/", "/data/ff/",
                   "/h/.mozilla/firefox/Profiles/q.work/"}));
}

TEST_F(BrowserProfilesTest, FirefoxHistoryGoesInsideTheDatabaseAndTheBookmarksStay) {
  folder.write("home/.mozilla/firefox/profiles.ini",
               "[Profile0]\nPath=abc.default\nIsRelative=1\n");
  const std::string listed =
      FirefoxProfile("home/.mozilla/firefox/", "abc.default", "home/.cache/mozilla/firefox/");
  const std::string marked = FirefoxProfile("home/.mozilla/firefox/", "unlisted", "");
  const std::string snap = FirefoxProfile("home/snap/firefox/common/.mozilla/firefox/", "s.default",
                                          "home/snap/firefox/common/.cache/mozilla/firefox/");
  const std::string xdg = FirefoxProfile("config/mozilla/firefox/", "x.default", "");
  const std::string thunderbird =
      FirefoxProfile("home/.thunderbird/", "t.default", "home/.cache/thunderbird/");
  folder.write("home/.mozilla/firefox/no-profile/places.sqlite", "not one: no prefs.js");
  const Texts profiles = {listed, marked, snap, xdg, thunderbird};

  TEraserEngine engine;
  const auto [previewed, previewLeft] = RunMozilla(engine, true);
  EXPECT_TRUE(previewLeft.empty());
  for (const std::string& profile : profiles) {
    EXPECT_EQ(Count(profile + "places.sqlite", "SELECT count(*) FROM moz_historyvisits"), 3);
    EXPECT_TRUE(pathExists(profile + "cookies.sqlite"));
  }
  const auto [removed, left] = RunMozilla(engine, false);
  EXPECT_TRUE(left.empty());
  EXPECT_EQ(WhatOf(previewed), WhatOf(removed));

  for (const std::string& profile : profiles) {
    SCOPED_TRACE(profile);
    const std::string places = profile + "places.sqlite";
    EXPECT_EQ(Count(places, "SELECT count(*) FROM moz_historyvisits"), 0);
    EXPECT_EQ(Count(places, "SELECT count(*) FROM moz_bookmarks WHERE fk = 1"), 1);
    EXPECT_EQ(Count(places, "SELECT count(*) FROM moz_places WHERE id IN (1, 3)"), 2);
    EXPECT_EQ(Count(places, "SELECT count(*) FROM moz_places WHERE id = 2"), 0);
    EXPECT_EQ(Count(places, "SELECT max(visit_count) FROM moz_places"), 0);
    EXPECT_EQ(Count(places, "SELECT count(*) FROM moz_origins WHERE host = 'secret.example'"), 0);
    EXPECT_EQ(Count(places, "SELECT count(*) FROM moz_annos"), 1);
    EXPECT_EQ(Count(places, "SELECT count(*) FROM moz_inputhistory"), 0);
    for (const char* gone :
         {"cookies.sqlite", "cookies.sqlite-wal", "formhistory.sqlite", "cache2/entries/A1"}) {
      EXPECT_FALSE(pathExists(profile + gone)) << gone;
    }
    EXPECT_TRUE(pathExists(profile + "cache2"));
    EXPECT_TRUE(pathExists(profile + "prefs.js"));
  }
  for (const char* cache : {"home/.cache/mozilla/firefox/abc.default/cache2/entries/B2",
                            "home/snap/firefox/common/.cache/mozilla/firefox/s.default/cache2/"
                            "entries/B2",
                            "home/.cache/thunderbird/t.default/cache2/entries/B2"}) {
    EXPECT_FALSE(pathExists(folder / cache)) << cache;
  }
  EXPECT_TRUE(pathExists(folder / "home/.mozilla/firefox/no-profile/places.sqlite"));
  // A second run finds nothing more to remove.
  const auto [again, leftAgain] = RunMozilla(engine, true);
  EXPECT_TRUE(again.empty());
}

TEST_F(BrowserProfilesTest, AProfileTheBrowserHoldsIsSkippedAndNamed) {
  const std::string held = FirefoxProfile("home/.mozilla/firefox/", "held", "");
  const std::string stale = FirefoxProfile("home/.mozilla/firefox/", "stale", "");
  fsys::create_symlink("127.0.0.1:+4242", held + "lock");
  fsys::create_symlink("127.0.0.1:+4343", stale + "lock");  // that process is gone
  folder.makeFolder("proc/4242");

  TEraserEngine engine;
  const auto [removed, left] = RunMozilla(engine, false);
  ASSERT_EQ(left.size(), 4u);  // each item names it
  for (const TCleanRecord& record : left) EXPECT_EQ(record.What, held);
  EXPECT_TRUE(pathExists(held + "cookies.sqlite"));
  EXPECT_EQ(Count(held + "places.sqlite", "SELECT count(*) FROM moz_historyvisits"), 3);
  EXPECT_FALSE(pathExists(stale + "cookies.sqlite"));
  EXPECT_EQ(Count(stale + "places.sqlite", "SELECT count(*) FROM moz_historyvisits"), 0);
}

TEST_F(BrowserProfilesTest, AProfileKnownOnlyByItsParentLockIsSkippedWhileAProcessHoldsIt) {
  for (const bool wholeFile : {false, true}) {
    SCOPED_TRACE(wholeFile ? "flock" : "fcntl");
    const std::string profile =
        FirefoxProfile("home/.mozilla/firefox/", wholeFile ? "flock" : "fcntl", "");
    fsys::create_symlink("no process named here", profile + "lock");
    TEraserEngine engine;
    {
      const LockHolder browser(profile + ".parentlock", wholeFile);
      ASSERT_TRUE(browser.held());
      const auto [removed, left] = RunMozilla(engine, false);
      ASSERT_EQ(left.size(), 4u);
      for (const TCleanRecord& record : left) EXPECT_EQ(record.What, profile);
      EXPECT_TRUE(pathExists(profile + "cookies.sqlite"));
      EXPECT_EQ(Count(profile + "places.sqlite", "SELECT count(*) FROM moz_historyvisits"), 3);
    }
    // The browser has ended: its profile is cleaned.
    const auto [removed, left] = RunMozilla(engine, false);
    EXPECT_TRUE(left.empty());
    EXPECT_FALSE(pathExists(profile + "cookies.sqlite"));
    EXPECT_EQ(Count(profile + "places.sqlite", "SELECT count(*) FROM moz_historyvisits"), 0);
  }
}

TEST_F(BrowserProfilesTest, ClearedAddressesLeaveNoBytesInTheDatabaseOrItsLog) {
  const std::string profile = FirefoxProfile("home/.mozilla/firefox/", "raw", "");
  const std::string places = profile + "places.sqlite";
  // A browser that ended without copying its log into the database: a visit of the cleared
  // site waits in the log, and the old rows in the file.
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(places.c_str(), &db), SQLITE_OK);
  sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  EXPECT_EQ(sqlite3_exec(db,
                         "PRAGMA secure_delete=OFF;"
                         "INSERT INTO moz_places VALUES (4, 'https://secret.example/in-log', "
                         "'Logged', 1, 300, 2);"
                         "INSERT INTO moz_historyvisits VALUES (4, 4, 40);",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
  ASSERT_NE(readFileBytes(places + "-wal").find("secret.example/in-log"), std::string::npos);
  ASSERT_NE(readFileBytes(places).find("secret.example/page"), std::string::npos);

  TEraserEngine engine;
  engine.NetscapeMozillaLocationBar->Erase();
  EXPECT_TRUE(engine.Left.empty());
  for (const char* file : {"", "-wal", "-journal"}) {
    EXPECT_EQ(readFileBytes(places + file).find("secret.example"), std::string::npos) << file;
  }
  EXPECT_NE(readFileBytes(places).find("kept.example"), std::string::npos);
}

TEST_F(BrowserProfilesTest, AHistoryFileThatIsNoHistoryDatabaseIsLeftAndNamed) {
  const std::string profile = folder.makeFolder("home/.mozilla/firefox/p") + "/";
  folder.write("home/.mozilla/firefox/p/prefs.js", "");
  const std::string places = folder.write("home/.mozilla/firefox/p/places.sqlite", "garbage text");
  TEraserEngine engine;
  engine.NetscapeMozillaLocationBar->Erase();
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left[0].What, places);
  EXPECT_EQ(readFileBytes(places), "garbage text");
}

TEST_F(BrowserProfilesTest, AHistoryThatAnotherConnectionKeepsBusyIsLeftWithTheReason) {
  folder.write("home/.mozilla/firefox/p/prefs.js", "");
  const std::string places = folder / "home/.mozilla/firefox/p/places.sqlite";
  Sql(places,
      "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT);"
      "CREATE TABLE moz_historyvisits (id INTEGER PRIMARY KEY, place_id INTEGER);"
      "INSERT INTO moz_places VALUES (1, 'https://busy.example/');");
  sqlite3* busy = nullptr;
  ASSERT_EQ(sqlite3_open(places.c_str(), &busy), SQLITE_OK);
  ASSERT_EQ(
      sqlite3_exec(busy, "BEGIN EXCLUSIVE; DELETE FROM moz_places;", nullptr, nullptr, nullptr),
      SQLITE_OK);
  TEraserEngine engine;
  engine.NetscapeMozillaLocationBar->Erase();
  sqlite3_close(busy);
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left[0].What, places);
  EXPECT_NE(engine.Left[0].Reason.find("database is locked"), std::string::npos)
      << engine.Left[0].Reason;
  EXPECT_EQ(Count(places, "SELECT count(*) FROM moz_places"), 1);
}

TEST_F(BrowserProfilesTest, OperaTracesGoAndItsBookmarksStay) {
  const Texts traces = {"config/opera/History",           "config/opera/Cookies",
                        "config/opera/Network/Cookies",   "config/opera/Web Data",
                        "config/opera/Login Data",        "config/opera/Sessions/Session_1",
                        "home/.cache/opera/Cache/data_0", "home/.opera/cookies4.dat",
                        "home/.opera/wand.dat",           "home/.opera/cache/opr1"};
  const Texts kept = {"config/opera/Preferences", "config/opera/Bookmarks",
                      "home/.opera/operaprefs.ini", "home/.opera/bookmarks.adr"};
  for (const std::string& path : traces) folder.write(path, "x");
  for (const std::string& path : kept) folder.write(path, "x");

  TEraserEngine engine;
  for (TEraser* item :
       {static_cast<TEraser*>(engine.OperaCache), static_cast<TEraser*>(engine.OperaLocationBar),
        static_cast<TEraser*>(engine.OperaCookies), static_cast<TEraser*>(engine.OperaFormsData)}) {
    item->Erase();
  }
  for (const std::string& path : traces) EXPECT_FALSE(pathExists(folder / path)) << path;
  for (const std::string& path : kept) EXPECT_TRUE(pathExists(folder / path)) << path;
  EXPECT_TRUE(pathExists(folder / "home/.cache/opera"));

  folder.write("config/opera/Cookies", "x");
  fsys::create_symlink("host-4242", folder / "config/opera/SingletonLock");
  folder.makeFolder("proc/4242");
  engine.OperaCookies->Erase();
  EXPECT_TRUE(pathExists(folder / "config/opera/Cookies"));
}

TEST_F(BrowserProfilesTest, ProfilesAreFoundWhereverAnInstallKeepsThem) {
  const struct {
    const char* install;
    const char* cache;
  } installs[] = {
      {"home/.mozilla/firefox/", "home/.cache/mozilla/firefox/"},
      {"config/mozilla/firefox/", "home/.cache/mozilla/firefox/"},
      {"home/snap/firefox/common/.mozilla/firefox/",
       "home/snap/firefox/common/.cache/mozilla/firefox/"},
      {"home/.var/app/org.mozilla.firefox/.mozilla/firefox/",
       "home/.var/app/org.mozilla.firefox/cache/mozilla/firefox/"},
      {"home/.thunderbird/", "home/.cache/thunderbird/"},
      {"home/snap/thunderbird/common/.thunderbird/",
       "home/snap/thunderbird/common/.cache/thunderbird/"},
      {"home/.var/app/org.mozilla.Thunderbird/.thunderbird/",
       "home/.var/app/org.mozilla.Thunderbird/cache/thunderbird/"},
  };
  Texts expected;
  for (const auto& install : installs) {
    folder.write(std::string(install.install) + "p.default/prefs.js", "");
    expected.push_back(folder / install.install + "p.default/ | " + folder / install.cache +
                       "p.default/");
  }
  Texts found;
  for (const TBrowserProfile& profile : FindMozillaProfiles()) {
    found.push_back(profile.Folder + " | " + profile.Cache);
  }
  std::sort(found.begin(), found.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);
}

}  // namespace
