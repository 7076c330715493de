// The sessions and the site data of the Chromium family and of Firefox, and what the history
// items now take with them: the saved session goes only with its own item, and a clean of the
// history that leaves it says how many pages it still lists; site data goes, and the bookmarks,
// settings and saved passwords stay byte for byte.

#include <filesystem>

#include "CleanerFixture.h"
#include "SessionFiles.h"
#include "SqlHelpers.h"
#include "cleaner/TCleaningRun.h"

namespace {

namespace fsys = std::filesystem;
using sqltest::Count;
using sqltest::Exec;
using Texts = std::vector<std::string>;
using namespace sessiontest;

class BrowserSessionsTest : public CleanerTest {
 protected:
  BrowserSessionsTest() { CleanerEnvironment().ProcessFolder = folder.makeFolder("proc"); }

  // A Chromium profile with a session, site data, the copies of its history and what stays.
  std::string ChromiumProfile() {
    const std::string relative = "config/chromium/Default/";
    const std::string profile = folder / relative;
    folder.makeFolder(relative);
    folder.write("config/chromium/Local State", R"({"profile":{"info_cache":{"Default":{}}}})");
    Exec(profile + "History",
         "CREATE TABLE urls(id INTEGER PRIMARY KEY, url TEXT);"
         "INSERT INTO urls VALUES (1, 'https://secret.example/');");
    folder.write(relative + "Sessions/Session_13441249565695210",
                 ChromiumSession({"https://secret.example/a", "https://secret.example/b",
                                  "https://secret.example/a", "chrome://newtab/"}));
    folder.write(relative + "Sessions/Tabs_13441249588314266",
                 ChromiumSession({"https://closed.example/"}));
    folder.write(relative + "Sessions_Encrypted/Session_13441249565695932",
                 ChromiumSession({"https://secret.example/a"}, 5));
    folder.write(relative + "Current Session", ChromiumSession({}));
    folder.write(relative + "Local Storage/leveldb/000003.log", "secret local storage");
    folder.write(relative + "Session Storage/000003.log", "secret session storage");
    folder.write(relative + "IndexedDB/https_secret.example_0.indexeddb.leveldb/000003.log", "x");
    folder.write(relative + "Service Worker/ScriptCache/2cc80dabc69f58b6_0", "worker");
    folder.write(relative + "WebStorage/QuotaManager", "origins");
    folder.write(relative + "Network Persistent State", R"({"net":{"secret.example":1}})");
    folder.write(relative + "DownloadMetadata", "secret.pdf");
    folder.write(relative + "DIPS", "secret.example");
    folder.write(relative + "shared_proto_db/000003.log", "https://secret.example/typed");
    folder.write("config/chromium/segmentation_platform/ukm_db", "https://secret.example/");
    folder.write(relative + "Bookmarks", R"({"roots":{}})");
    folder.write(relative + "Preferences", R"({"profile":{"name":"Person 1"}})");
    folder.write(relative + "Login Data", "saved passwords");
    folder.write(relative + "Extension State/000003.log", "an extension's own");
    folder.write(relative + "IndexedDB/chrome-extension_abc_0.indexeddb.leveldb/000003.log",
                 "an extension's settings");
    return profile;
  }

  // A Firefox profile with a session store, site data and what stays.
  std::string FirefoxProfile() {
    const std::string relative = "home/.mozilla/firefox/x.default/";
    const std::string profile = folder / relative;
    folder.write(relative + "prefs.js", "");
    Exec(profile + "places.sqlite",
         "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT);"
         "CREATE TABLE moz_historyvisits (id INTEGER PRIMARY KEY, place_id INTEGER);"
         "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, fk INTEGER);"
         "INSERT INTO moz_places VALUES (1, 'https://kept.example/x'), "
         "(2, 'https://secret.example/page'), (3, 'https://o''brien.example/');"
         "INSERT INTO moz_historyvisits VALUES (1, 2);"
         "INSERT INTO moz_bookmarks VALUES (1, 1), (2, 3);");
    Exec(profile + "favicons.sqlite",
         "CREATE TABLE moz_icons (id INTEGER PRIMARY KEY, icon_url TEXT, root INTEGER);"
         "CREATE TABLE moz_pages_w_icons (id INTEGER PRIMARY KEY, page_url TEXT);"
         "CREATE TABLE moz_icons_to_pages (page_id INTEGER, icon_id INTEGER);"
         "INSERT INTO moz_icons VALUES (1, 'https://kept.example/icon.png', 0),"
         " (2, 'https://secret.example/icon.png', 0), (3, 'https://kept.example/favicon.ico', 1),"
         " (4, 'https://secret.example/favicon.ico', 1), (5, 'https://o''brien.example/i.png', 0);"
         "INSERT INTO moz_pages_w_icons VALUES (1, 'https://kept.example/x'),"
         " (2, 'https://secret.example/page'), (3, 'https://o''brien.example/');"
         "INSERT INTO moz_icons_to_pages VALUES (1, 1), (2, 2), (3, 5);");
    Exec(profile + "bounce-tracking-protection.sqlite",
         "CREATE TABLE sites (originAttributeSuffix TEXT, siteHost TEXT);"
         "INSERT INTO sites VALUES ('', 'secret.example');");
    const std::string session =
        FirefoxSessionText({"https://secret.example/a", "about:home"}, "https://closed.example/");
    folder.write(relative + "sessionstore.jsonlz4", MozLz4(session));
    folder.write(relative + "sessionstore-backups/recovery.jsonlz4", MozLz4(session));
    folder.write(relative + "sessionstore-backups/recovery.baklz4", "damaged");
    folder.write(relative + "sessionCheckpoints.json", R"({"profile-after-change":true})");
    folder.write(relative + "storage/default/https+++secret.example/ls/data.sqlite", "secret");
    folder.write(relative + "storage/default/https+++secret.example/idb/1.sqlite", "secret");
    folder.write(relative + "storage/permanent/chrome/idb/2.sqlite", "the browser's own");
    folder.write(relative + "storage/default/moz-extension+++0a1b/idb/3.sqlite",
                 "an extension's settings");
    folder.write(relative + "webappsstore.sqlite", "secret local storage");
    folder.write(relative + "serviceworker.txt", "https://secret.example/sw.js");
    folder.write(relative + "logins.json", "saved passwords");
    return profile;
  }

  // Runs the items as one run (in a preview when asked); the engine keeps the records.
  void Run(TEraserEngine& engine, const std::vector<TEraser*>& items, bool preview = false) {
    TCleaningRun(engine).Run(items, preview);
  }

  static Texts NotesOf(const TEraserEngine& engine) {
    Texts notes;
    for (const TCleanRecord& note : engine.Notes) notes.push_back(note.What + ": " + note.Reason);
    return notes;
  }
};

TEST_F(BrowserSessionsTest, AChromiumSessionGoesOnlyWithItsItemAndTheHistorySaysWhatItHolds) {
  const std::string profile = ChromiumProfile();
  TEraserEngine engine;
  const Texts note = {profile +
                      "Sessions: the saved session still lists 3 pages: clean "
                      "\"Chromium-family Sessions and Closed Tabs\" too"};
  Run(engine, {engine.ChromiumHistory}, true);
  EXPECT_EQ(NotesOf(engine), note);
  Run(engine, {engine.ChromiumHistory});
  EXPECT_EQ(NotesOf(engine), note);
  EXPECT_TRUE(engine.Left.empty());
  // The history took its copies: the downloads' metadata, the sites bounced through, the
  // suggestions' databases.
  for (const char* gone : {"DownloadMetadata", "DIPS", "shared_proto_db/000003.log"}) {
    EXPECT_FALSE(pathExists(profile + gone)) << gone;
  }
  EXPECT_FALSE(pathExists(folder / "config/chromium/segmentation_platform/ukm_db"));
  EXPECT_TRUE(pathExists(profile + "Sessions/Session_13441249565695210"));

  // With the sessions in the same run, nothing needs saying, and the session is gone.
  engine.ClearRecords();
  Run(engine, {engine.ChromiumHistory, engine.ChromiumSessions});
  EXPECT_TRUE(engine.Notes.empty()) << NotesOf(engine).front();
  for (const char* gone : {"Sessions/Session_13441249565695210", "Sessions/Tabs_13441249588314266",
                           "Sessions_Encrypted/Session_13441249565695932", "Current Session"}) {
    EXPECT_FALSE(pathExists(profile + gone)) << gone;
  }
  EXPECT_TRUE(pathExists(profile + "Sessions"));
  // Only an encrypted session left: it may hold the pages, and says so.
  folder.write("config/chromium/Default/Sessions_Encrypted/Session_2",
               ChromiumSession({"https://secret.example/a"}, 5));
  engine.ClearRecords();
  Run(engine, {engine.ChromiumHistory});
  EXPECT_EQ(NotesOf(engine),
            Texts{profile + "Sessions: the saved session (encrypted) may still list the pages "
                            "visited: clean \"Chromium-family Sessions and Closed Tabs\" too"});
}

TEST_F(BrowserSessionsTest, ChromiumSiteDataGoesAndTheProfilesOwnFilesStay) {
  const std::string profile = ChromiumProfile();
  std::map<std::string, std::string> kept;
  for (const char* name : {"Bookmarks", "Preferences", "Login Data", "Extension State/000003.log",
                           "Sessions/Session_13441249565695210",
                           "IndexedDB/chrome-extension_abc_0.indexeddb.leveldb/000003.log"}) {
    kept[name] = readFileBytes(profile + name);
  }
  TEraserEngine engine;
  Run(engine, {engine.ChromiumSiteData});
  EXPECT_TRUE(engine.Left.empty());
  for (const char* gone : {"Local Storage/leveldb/000003.log", "Session Storage/000003.log",
                           "IndexedDB/https_secret.example_0.indexeddb.leveldb/000003.log",
                           "Service Worker/ScriptCache/2cc80dabc69f58b6_0",
                           "WebStorage/QuotaManager", "Network Persistent State"}) {
    EXPECT_FALSE(pathExists(profile + gone)) << gone;
  }
  EXPECT_TRUE(pathExists(profile + "Local Storage"));
  for (const auto& [name, bytes] : kept) EXPECT_EQ(readFileBytes(profile + name), bytes) << name;
}

TEST_F(BrowserSessionsTest, FirefoxSessionsAndSiteDataGoAndTheHistoryTakesIconsAndBounces) {
  const std::string profile = FirefoxProfile();
  TEraserEngine engine;
  Run(engine, {engine.NetscapeMozillaLocationBar});
  // Two pages of the session's open and closed tabs (about:home is not one); the damaged
  // backup is passed over.
  EXPECT_EQ(NotesOf(engine),
            Texts{profile + "sessionstore.jsonlz4: the saved session still lists 2 pages: clean "
                            "\"Netscape/Mozilla Sessions and Closed Tabs\" too"});
  EXPECT_TRUE(engine.Left.empty()) << engine.Left.front().What << engine.Left.front().Reason;
  const std::string icons = profile + "favicons.sqlite";
  // The icons of bookmarked pages (an address with a quote among them) and of their sites stay.
  EXPECT_EQ(Count(icons, "SELECT count(*) FROM moz_icons WHERE id IN (1, 3, 5)"), 3);
  EXPECT_EQ(Count(icons, "SELECT count(*) FROM moz_icons"), 3);
  EXPECT_EQ(Count(icons, "SELECT count(*) FROM moz_pages_w_icons"), 2);
  EXPECT_EQ(Count(icons, "SELECT count(*) FROM moz_icons_to_pages"), 2);
  EXPECT_EQ(readFileBytes(icons).find("secret.example"), std::string::npos);
  EXPECT_EQ(Count(profile + "bounce-tracking-protection.sqlite", "SELECT count(*) FROM sites"), 0);

  engine.ClearRecords();
  Run(engine, {engine.MozillaSessions, engine.MozillaSiteData});
  EXPECT_TRUE(engine.Left.empty());
  for (const char* gone : {"sessionstore.jsonlz4", "sessionstore-backups/recovery.jsonlz4",
                           "sessionstore-backups/recovery.baklz4", "sessionCheckpoints.json",
                           "storage/default/https+++secret.example/ls/data.sqlite",
                           "storage/default/https+++secret.example/idb/1.sqlite",
                           "webappsstore.sqlite", "serviceworker.txt"}) {
    EXPECT_FALSE(pathExists(profile + gone)) << gone;
  }
  EXPECT_EQ(readFileBytes(profile + "storage/permanent/chrome/idb/2.sqlite"), "the browser's own");
  EXPECT_EQ(readFileBytes(profile + "storage/default/moz-extension+++0a1b/idb/3.sqlite"),
            "an extension's settings");
  EXPECT_EQ(readFileBytes(profile + "logins.json"), "saved passwords");
  EXPECT_TRUE(pathExists(profile + "storage/default"));
}

}  // namespace
