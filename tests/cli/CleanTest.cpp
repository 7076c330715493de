// ferrovane-cli clean on a home of the test's own: a preview removes nothing and names what the
// clean then removes; items are chosen by number or name, and a word that names none is a usage
// error that touches nothing. A stop signal ends the clean after the item in hand, and anything
// left makes the exit status say so.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>

#include "CliProcess.h"
#include "support/ScopedReadOnlyBind.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;

namespace {

struct Clean : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);
  std::string home = t.makeFolder("home");
  std::string recent =
      t.write("home/.local/share/RecentDocuments/report.odt.desktop", "[Desktop Entry]\n");
  std::string kept = t.write("home/.local/share/kept.txt", "not a trace");

  std::vector<std::string> environment() const {
    return {"HOME=" + home, "XDG_DATA_HOME=" + home + "/.local/share",
            "XDG_CONFIG_HOME=" + home + "/.config", "XDG_CACHE_HOME=" + home + "/.cache",
            "TMPDIR=" + t.makeFolder("tmp")};
  }
  CliResult run(const std::vector<std::string>& args) {
    return RunCli(t, cli, args, environment());
  }
};

// A database held by a connection of the test that keeps every other one out (as a browser
// writing to it does), until the object ends.
class BusyDatabase {
 public:
  explicit BusyDatabase(const std::string& path) {
    sqlite3_open(path.c_str(), &db_);
    busy_ =
        sqlite3_exec(db_,
                     "CREATE TABLE IF NOT EXISTS moz_places (id INTEGER PRIMARY KEY, url TEXT);"
                     "CREATE TABLE IF NOT EXISTS moz_historyvisits (id INTEGER PRIMARY KEY);"
                     "BEGIN EXCLUSIVE; INSERT INTO moz_places VALUES (1, 'https://a.example/');",
                     nullptr, nullptr, nullptr) == SQLITE_OK;
  }
  ~BusyDatabase() { sqlite3_close(db_); }
  BusyDatabase(const BusyDatabase&) = delete;
  BusyDatabase& operator=(const BusyDatabase&) = delete;
  bool busy() const { return busy_; }

 private:
  sqlite3* db_ = nullptr;
  bool busy_ = false;
};

}  // namespace

TEST_F(Clean, APreviewNamesWhatTheCleanThenRemoves) {
  const CliResult preview = run({"clean", "--preview", "1"});
  EXPECT_EQ(preview.status, 0) << preview.err;
  EXPECT_NE(preview.out.find("/.local/share/RecentDocuments"), std::string::npos) << preview.out;
  EXPECT_TRUE(pathExists(recent));
  const CliResult dryRun = run({"-n", "clean", "1"});
  EXPECT_EQ(dryRun.out, preview.out);
  EXPECT_TRUE(pathExists(recent));

  const CliResult clean = run({"clean", "1"});
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_FALSE(pathExists(recent));
  EXPECT_EQ(readFileBytes(kept), "not a trace");
}

TEST_F(Clean, AWordThatNamesNoItemIsAUsageErrorAndNothingIsRemoved) {
  for (const std::vector<std::string>& args : {std::vector<std::string>{"clean", "1", "0"},
                                               {"clean", "64", "1"},
                                               {"clean", "no-such-item", "1"}}) {
    const CliResult result = run(args);
    EXPECT_EQ(result.status, 2) << args.back();
    EXPECT_NE(result.err.find("no trace item is named"), std::string::npos) << result.err;
    EXPECT_TRUE(pathExists(recent));
  }
}

TEST_F(Clean, AStopSignalDuringAnItemLeavesTheLaterItemsUntouched) {
  const struct {
    int signal;
    int status;
  } cases[] = {{SIGINT, 130}, {SIGTERM, 143}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.signal);
    // Three profiles whose history the browser keeps busy: the history item waits on each.
    std::vector<std::string> cookies;
    std::vector<std::unique_ptr<BusyDatabase>> busy;
    for (const char* name : {"a.default", "b.default", "c.default"}) {
      const std::string profile = "home/.mozilla/firefox/" + std::string(name) + "/";
      t.write(profile + "prefs.js", "");
      cookies.push_back(t.write(profile + "cookies.sqlite", "cookies"));
      busy.push_back(std::make_unique<BusyDatabase>(t / (profile + "places.sqlite")));
      ASSERT_TRUE(busy.back()->busy());
    }
    CliProcess clean(t, cli, {"-v", "clean", "25", "26"}, environment());
    ASSERT_TRUE(clean.waitForError("Netscape/Mozilla History, Location Bar URLs\n"));
    clean.signal(c.signal);
    const CliResult result = clean.finish();
    EXPECT_EQ(result.status, c.status) << result.err;
    for (const std::string& path : cookies) EXPECT_EQ(readFileBytes(path), "cookies") << path;
    EXPECT_EQ(result.err.find("Netscape/Mozilla Cookies"), std::string::npos) << result.err;
  }
}

TEST_F(Clean, AnItemWhoseFileCannotBeDeletedEndsWithStatusOne) {
  // A temporary file old enough to go, beside the recent document.
  const std::string temporary = t.write("tmp/old.txt", "old");
  fsys::last_write_time(temporary, fsys::file_time_type::clock::now() - std::chrono::hours(48));
  const struct {
    const char* item;
    std::string folder;
    std::string file;
  } cases[] = {{"1", home + "/.local/share/RecentDocuments", recent}, {"9", t / "tmp", temporary}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    const std::string before = readFileBytes(c.file);
    const ScopedReadOnlyBind readOnly(c.folder);
    if (!readOnly.mounted()) GTEST_SKIP() << readOnly.reason();
    const CliResult result = run({"clean", c.item});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(readFileBytes(c.file), before);
    EXPECT_NE(result.err.find(c.file.substr(c.folder.size())), std::string::npos) << result.err;
  }
  EXPECT_EQ(readFileBytes(kept), "not a trace");
}

TEST_F(Clean, AGroupWordCleansEveryItemOfItsGroupAndNoOther) {
  const std::string thumbnail = t.write("home/.cache/thumbnails/normal/0a1b.png", "PNG");
  const std::string history = t.write("home/.bash_history", "secret command\n");
  const std::string cookies = t.write("home/.config/google-chrome/Default/Cookies", "not sqlite");
  const CliResult result = run({"clean", "desktop"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_FALSE(pathExists(thumbnail));
  EXPECT_TRUE(pathExists(history));
  EXPECT_EQ(readFileBytes(history), "");
  EXPECT_EQ(readFileBytes(cookies), "not sqlite");
  EXPECT_TRUE(pathExists(recent));
}
TEST_F(Clean, TheRecentGroupClearsTheDesktopsListsAndLeavesTheRestByteForByte) {
  const std::string bookmarks =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\"\n"
      "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
      "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n>\n"
      "  <bookmark href=\"file:///home/u/secret.pdf\" added=\"2026-12-01T10:00:00.1Z\" "
      "modified=\"2026-12-01T10:00:00.1Z\" visited=\"2026-12-01T10:00:00.1Z\">\n"
      "    <info><metadata owner=\"http://freedesktop.org\">"
      "<mime:mime-type type=\"application/pdf\"/></metadata></info>\n"
      "  </bookmark>\n</xbel>\n";
  const std::string list = t.write("home/.local/share/recently-used.xbel", bookmarks);
  const std::string places = t.write("home/.local/share/user-places.xbel", bookmarks);
  const std::string trashed = t.write("home/.local/share/Trash/files/old.txt", "trashed");
  const std::string history = t.write("home/.bash_history", "a command\n");

  // Item 57, the last, is the desktop's list; a preview by number changes nothing.
  const CliResult preview = run({"clean", "--preview", "57"});
  EXPECT_EQ(preview.status, 0) << preview.err;
  EXPECT_NE(preview.out.find(list + ": 1 recently used files"), std::string::npos) << preview.out;
  EXPECT_EQ(readFileBytes(list), bookmarks);
  EXPECT_TRUE(pathExists(recent));

  const CliResult clean = run({"clean", "recent"});
  EXPECT_EQ(clean.status, 0) << clean.err;
  EXPECT_EQ(readFileBytes(list).find("secret.pdf"), std::string::npos);
  EXPECT_NE(readFileBytes(list).find("<xbel"), std::string::npos);
  EXPECT_FALSE(pathExists(recent));
  EXPECT_TRUE(fsys::is_directory(home + "/.local/share/RecentDocuments"));
  for (const auto& [path, bytes] :
       {std::pair{places, bookmarks}, std::pair{trashed, std::string("trashed")},
        std::pair{history, std::string("a command\n")},
        std::pair{kept, std::string("not a trace")}}) {
    EXPECT_EQ(readFileBytes(path), bytes) << path;
  }
}

TEST_F(Clean, AScheduledCleanRemovesOnlyTheScheduledItemsAndRecordsItsOutcome) {
  const std::string temporary = t.write("tmp/old.txt", "old");
  fsys::last_write_time(temporary, fsys::file_time_type::clock::now() - std::chrono::hours(48));
  const std::string ini = t.programFolder() + "Ferrovane.ini";
  const std::string settings = readFileBytes(ini);
  const std::string log = t.programFolder() + "scheduled-clean.log";

  // Off: the timer may still start it once; nothing is cleaned.
  t.write("program/Ferrovane.ini",
          settings + "[Schedule]\nEnabled=0\nKind=1\nEveryMinutes=15\nItems=EraseWindowsTemp\n");
  CliResult off = run({"clean", "--scheduled"});
  EXPECT_EQ(off.status, 0) << off.err;
  EXPECT_TRUE(pathExists(temporary));
  EXPECT_TRUE(pathExists(recent));

  // On: the temporary files go; the recent documents, checked on the page, stay.
  t.write("program/Ferrovane.ini",
          settings +
              "[CleanTraces]\nEraseStartMenuRecentDocuments=1\n[Schedule]\nEnabled=1\n"
              "Kind=1\nEveryMinutes=15\nItems=EraseWindowsTemp\n");
  const CliResult on = run({"clean", "--scheduled"});
  EXPECT_EQ(on.status, 0) << on.err;
  EXPECT_FALSE(pathExists(temporary));
  EXPECT_TRUE(pathExists(recent));
  EXPECT_EQ(readFileBytes(kept), "not a trace");
  const std::string logged = readFileBytes(log);
  EXPECT_NE(logged.find("\t1\t0\tran\t\n"), std::string::npos) << logged;

  // Started again within the 15 minutes: not due, nothing cleaned, nothing logged.
  const std::string again = t.write("tmp/again.txt", "old");
  fsys::last_write_time(again, fsys::file_time_type::clock::now() - std::chrono::hours(48));
  const CliResult early = run({"clean", "--scheduled"});
  EXPECT_EQ(early.status, 0) << early.err;
  EXPECT_NE(early.out.find("not due"), std::string::npos) << early.out;
  EXPECT_TRUE(pathExists(again));
  EXPECT_EQ(readFileBytes(log), logged);

  // The items of the schedule are its own: naming others is a usage error.
  EXPECT_EQ(run({"clean", "--scheduled", "1"}).status, 2);
  EXPECT_TRUE(pathExists(recent));
}

TEST_F(Clean, AScheduledCleanThatCannotKnowItsItemsCleansNothingAndSaysSo) {
  const std::string temporary = t.write("tmp/old.txt", "old");
  fsys::last_write_time(temporary, fsys::file_time_type::clock::now() - std::chrono::hours(48));
  const std::string settings = readFileBytes(t.programFolder() + "Ferrovane.ini") +
                               "[Schedule]\nEnabled=1\nKind=1\nEveryMinutes=15\n"
                               "Items=EraseWindowsTemp\n";
  const std::string log = t.programFolder() + "scheduled-clean.log";
  // A damaged prefs.dat (its exclusions unknown), then settings that cannot be read at all.
  t.write("program/Ferrovane.ini", settings);
  t.write("program/prefs.dat", "<Configuration><Options");
  const CliResult damagedPrefs = run({"clean", "--scheduled"});
  EXPECT_EQ(damagedPrefs.status, 1) << damagedPrefs.err;
  fsys::remove(t.programFolder() + "prefs.dat");
  fsys::remove(t.programFolder() + "Ferrovane.ini");
  fsys::create_directory(t.programFolder() + "Ferrovane.ini");
  const CliResult unreadable = run({"clean", "--scheduled"});
  EXPECT_EQ(unreadable.status, 1) << unreadable.err;
  EXPECT_NE(unreadable.err.find("nothing was cleaned"), std::string::npos) << unreadable.err;

  EXPECT_TRUE(pathExists(temporary));
  const std::string logged = readFileBytes(log);
  EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 2) << logged;
  EXPECT_NE(logged.find("\t0\t0\trefused\tprefs.dat could not be read"), std::string::npos)
      << logged;
  EXPECT_NE(logged.find("\t0\t0\trefused\tthe schedule is kept in"), std::string::npos) << logged;
}

TEST_F(Clean, FilesAreOverwrittenAsThePageIsSetUnlessTheCommandLineSaysOtherwise) {
  const std::string ini = t.programFolder() + "Ferrovane.ini";
  const std::string settings = readFileBytes(ini);
  const std::string entry = readFileBytes(recent);
  const struct {
    const char* name;
    std::string section;
    std::vector<std::string> args;
    bool overwritten;
  } cases[] = {
      {"the page's default", "", {"clean", "1"}, false},
      {"the page overwrites", "[CleanTraces]\nOverwriteFiles=1\n", {"clean", "1"}, true},
      {"--no-overwrite",
       "[CleanTraces]\nOverwriteFiles=1\n",
       {"clean", "--no-overwrite", "1"},
       false},
      {"--overwrite", "[CleanTraces]\nOverwriteFiles=0\n", {"clean", "--overwrite", "1"}, true},
      {"the schedule follows the page",
       "[CleanTraces]\nOverwriteFiles=1\n[Schedule]\nEnabled=1\nKind=1\nEveryMinutes=15\n"
       "Items=EraseStartMenuRecentDocuments\n",
       {"clean", "--scheduled"},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    t.write("program/Ferrovane.ini", settings + c.section);
    std::remove((t.programFolder() + "scheduled-clean.log").c_str());
    t.write(recent.substr(t.path().size()), entry);
    // The file as something reading the device would still find its blocks.
    const int earlier = ::open(recent.c_str(), O_RDONLY);
    ASSERT_GE(earlier, 0);
    const CliResult result = run(c.args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_FALSE(pathExists(recent));
    std::string bytes(entry.size(), '\0');
    const ssize_t got = ::pread(earlier, bytes.data(), bytes.size(), 0);
    ::close(earlier);
    bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    EXPECT_EQ(bytes == entry, !c.overwritten);
  }
  EXPECT_EQ(run({"clean", "--overwrite", "--no-overwrite", "1"}).status, 2);
}

TEST_F(Clean, ADamagedScheduleIsNamedInTheLogAndEndsWithStatusOne) {
  const std::string ini = t.programFolder() + "Ferrovane.ini";
  const std::string settings = readFileBytes(ini);
  const std::string log = t.programFolder() + "scheduled-clean.log";
  for (const char* damage : {"Enabled=1\nKind=abc", "Enabled=1\nKind=9", "Enabled=yes\nKind=1"}) {
    SCOPED_TRACE(damage);
    t.write("program/Ferrovane.ini",
            settings + "[Schedule]\n" + damage + "\nItems=EraseStartMenuRecentDocuments\n");
    std::remove(log.c_str());
    const CliResult result = run({"clean", "--scheduled"});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.err.find("cannot be read"), std::string::npos) << result.err;
    EXPECT_NE(
        readFileBytes(log).find("\t0\t0\trefused\tthe schedule in " + ini + " cannot be read: "),
        std::string::npos)
        << readFileBytes(log);
    EXPECT_TRUE(pathExists(recent));
  }
}

TEST_F(Clean, SettingsThatCannotBeReadCleanNothingSinceTheKeepListIsInThem) {
  std::filesystem::remove(t.programFolder() + "Ferrovane.ini");
  std::filesystem::create_directory(t.programFolder() + "Ferrovane.ini");
  const CliResult clean = run({"clean", "1"});
  EXPECT_EQ(clean.status, 1);
  EXPECT_NE(clean.err.find("nothing is cleaned: the places you keep"), std::string::npos)
      << clean.err;
  EXPECT_TRUE(pathExists(recent));
  const CliResult preview = run({"clean", "--preview", "1"});
  EXPECT_NE(preview.out.find("RecentDocuments"), std::string::npos) << preview.out;
}
