// ferrovane-cli clean on profiles the real browsers wrote (Chromium 156 and Firefox ESR 153,
// recorded by tests/fixtures/make-browser-profiles.py): every trace of the pages visited goes,
// the bookmarks, saved passwords and settings stay byte for byte, every database that stays is
// sound, and a browser started again on the cleaned profile restores nothing (when the browser
// is installed).

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "CliProcess.h"
#include "support/TestFolder.h"

namespace fsys = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

const std::string kFixtures = std::string(FERROVANE_SOURCE_DIR) + "/tests/fixtures/";
const std::string kChromium = ".config/chromium/Default/";
const std::string kFirefox = ".mozilla/firefox/fixture.default-esr/";

// The markers the pages carried: none may be left anywhere once the traces are cleaned.
const char* const kTraces[] = {"FVMARKHIST", "FVMARKCOOKIE", "FVMARKLS",   "FVMARKIDB",
                               "FVMARKFORM", "fvmarkform",   "FVMARKDOWN", "FVMARKCLOSED"};

bool IsSqlite(const std::string& path) {
  return readFileBytes(path).rfind("SQLite format 3", 0) == 0;
}

std::string Query(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  std::string text = "<cannot open>";
  if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    text = "<cannot query>";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
      text.clear();
      while (sqlite3_step(statement) == SQLITE_ROW) {
        const unsigned char* value = sqlite3_column_text(statement, 0);
        text += std::string(value ? reinterpret_cast<const char*>(value) : "NULL") + "\n";
      }
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(db);
  return text;
}

struct RealProfiles : ::testing::Test {
  TestFolder t;
  std::string cli = PortableCli(t);
  std::string home = t.makeFolder("home") + "/";

  void SetUp() override {
    for (const char* fixture : {"chromium-profile.tar.xz", "firefox-profile.tar.xz"}) {
      const CliResult unpacked = RunCli(t, "/bin/tar", {"-xJf", kFixtures + fixture, "-C", home});
      ASSERT_EQ(unpacked.status, 0) << unpacked.err;
    }
  }
  std::vector<std::string> environment() const {
    return {"HOME=" + home, "XDG_DATA_HOME=" + home + ".local/share",
            "XDG_CONFIG_HOME=" + home + ".config", "XDG_CACHE_HOME=" + home + ".cache",
            "TMPDIR=" + t.makeFolder("tmp")};
  }
  CliResult run(const std::vector<std::string>& args) {
    return RunCli(t, cli, args, environment());
  }
  // Every file of the home folder that holds the text.
  Texts FilesHolding(const std::string& text) const {
    Texts files;
    for (const auto& entry : fsys::recursive_directory_iterator(home)) {
      if (!entry.is_regular_file()) continue;
      if (readFileBytes(entry.path()).find(text) != std::string::npos)
        files.push_back(entry.path().string().substr(home.size()));
    }
    std::sort(files.begin(), files.end());
    return files;
  }
  // The files the browsers' users keep, as they are now.
  std::map<std::string, std::string> Kept() const {
    std::map<std::string, std::string> kept;
    for (const std::string& name :
         {kChromium + "Bookmarks", kChromium + "Preferences", kChromium + "Login Data",
          kChromium + "Secure Preferences", std::string(".config/chromium/Local State"),
          kFirefox + "prefs.js", kFirefox + "logins.db", kFirefox + "key4.db",
          kFirefox + "permissions.sqlite", kFirefox + "content-prefs.sqlite",
          std::string(".mozilla/firefox/profiles.ini")}) {
      kept[name] = readFileBytes(home + name);
    }
    return kept;
  }
};

TEST_F(RealProfiles, CleaningBothBrowsersLeavesNoTraceAndEverythingElseSound) {
  const auto before = Kept();
  ASSERT_FALSE(FilesHolding("FVMARKHIST").empty());
  // The history alone: the sessions still list the pages, and the run says so.
  const CliResult history = run({"clean", "NetscapeMozillaLocationBar", "ChromiumHistory"});
  EXPECT_EQ(history.status, 0) << history.err;
  EXPECT_NE(history.err.find(kChromium + "Sessions: the saved session still lists 8 pages"),
            std::string::npos)
      << history.err;
  EXPECT_NE(history.err.find(kFirefox + "sessionstore.jsonlz4: the saved session still lists 8 "
                                        "pages"),
            std::string::npos)
      << history.err;

  const CliResult clean = run({"clean", "chromium", "mozilla"});
  EXPECT_EQ(clean.status, 0) << clean.err;
  for (const char* trace : kTraces) EXPECT_EQ(FilesHolding(trace), Texts{}) << trace;
  // The bookmarked page stays, with its title, in both browsers.
  EXPECT_EQ(FilesHolding("FVMARKBOOK"), (Texts{kChromium + "Bookmarks", kChromium + "Bookmarks.bak",
                                               kFirefox + "places.sqlite"}));
  EXPECT_EQ(Query(home + kFirefox + "places.sqlite",
                  "SELECT url FROM moz_places WHERE url LIKE '%FVMARK%'"),
            "http://127.0.0.1:48151/FVMARKBOOK-kept\n");
  EXPECT_EQ(Query(home + kFirefox + "places.sqlite", "SELECT count(*) FROM moz_historyvisits"),
            "0\n");
  EXPECT_EQ(Query(home + kChromium + "Cookies", "SELECT count(*) FROM cookies"), "0\n");
  EXPECT_EQ(Query(home + kChromium + "History", "SELECT count(*) FROM urls"), "0\n");
  EXPECT_EQ(Query(home + kChromium + "Web Data", "SELECT count(*) FROM autofill"), "0\n");
  EXPECT_EQ(Kept(), before);
  // Every database that stays is sound.
  std::size_t databases = 0;
  for (const auto& entry : fsys::recursive_directory_iterator(home)) {
    const std::string path = entry.path().string();
    if (!entry.is_regular_file() || !IsSqlite(path)) continue;
    ++databases;
    EXPECT_EQ(Query(path, "PRAGMA integrity_check"), "ok\n") << path;
  }
  EXPECT_GT(databases, 20u);

  const CliResult again = run({"clean", "--preview", "chromium", "mozilla"});
  EXPECT_NE(again.out.find("Would remove 0 "), std::string::npos) << again.out;
}

// Starts the browser on the cleaned profile, lets it restore what it would, and ends it.
void StartAndEnd(const TestFolder& t, const std::string& program,
                 const std::vector<std::string>& args,
                 const std::vector<std::string>& environment) {
  CliProcess browser(t, program, args, environment);
  std::this_thread::sleep_for(std::chrono::seconds(8));
  browser.signal(SIGTERM);
  browser.finish();
}

TEST_F(RealProfiles, ABrowserStartedOnTheCleanedProfileRestoresNothing) {
  const bool chromium = fsys::exists("/usr/bin/chromium");
  const bool firefox = fsys::exists("/usr/bin/firefox-esr");
  if (!chromium && !firefox) GTEST_SKIP() << "neither chromium nor firefox-esr is installed";
  const CliResult clean = run({"clean", "chromium", "mozilla"});
  ASSERT_EQ(clean.status, 0) << clean.err;
  std::vector<std::string> environment = this->environment();
  environment.push_back("MOZ_CRASHREPORTER_DISABLE=1");
  if (chromium) {
    std::vector<std::string> args = {"--headless=new", "--restore-last-session",
                                     "--user-data-dir=" + home + ".config/chromium",
                                     "--disable-background-networking", "--no-first-run"};
    if (::geteuid() == 0) args.insert(args.begin(), "--no-sandbox");
    StartAndEnd(t, "/usr/bin/chromium", args, environment);
    EXPECT_EQ(Query(home + kChromium + "History", "SELECT count(*) FROM urls"), "0\n");
    // It ran, and wrote a session of its own: without the pages of the old one.
    EXPECT_FALSE(fsys::is_empty(home + kChromium + "Sessions"));
  }
  if (firefox) {
    // The profile asks to restore the previous session at every start.
    StartAndEnd(t, "/usr/bin/firefox-esr",
                {"--headless", "--no-remote", "--profile", home + kFirefox}, environment);
    // It ran: its start wrote the checkpoints of a new session again.
    EXPECT_TRUE(fsys::exists(home + kFirefox + "sessionCheckpoints.json"));
    EXPECT_EQ(Query(home + kFirefox + "places.sqlite", "SELECT count(*) FROM moz_historyvisits"),
              "0\n");
  }
  for (const char* trace : kTraces) EXPECT_EQ(FilesHolding(trace), Texts{}) << trace;
  EXPECT_FALSE(FilesHolding("FVMARKBOOK").empty());
}

}  // namespace
