// The Chromium-family items on profiles shaped like those of Chrome, Chromium, Brave and Opera
// (native, snap and flatpak): history, cookies and form entries go inside the databases, the
// caches go, and the bookmarks, saved passwords and cards, search engines and settings stay
// byte for byte.

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "CleanerFixture.h"
#include "SqlHelpers.h"
#include "cleaner/ChromiumProfiles.h"

namespace {

namespace fsys = std::filesystem;
using sqltest::Count;
using sqltest::Exec;
using Texts = std::vector<std::string>;

// "History" of Chromium 120 (the tables the cleaning touches, with their real columns): two
// visited pages, a download and a search term.
constexpr const char* kHistory = R"(
  CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value LONGVARCHAR);
  CREATE TABLE urls(id INTEGER PRIMARY KEY AUTOINCREMENT, url LONGVARCHAR, title LONGVARCHAR,
      visit_count INTEGER DEFAULT 0 NOT NULL, typed_count INTEGER DEFAULT 0 NOT NULL,
      last_visit_time INTEGER NOT NULL, hidden INTEGER DEFAULT 0 NOT NULL);
  CREATE TABLE visits(id INTEGER PRIMARY KEY AUTOINCREMENT, url INTEGER NOT NULL,
      visit_time INTEGER NOT NULL, from_visit INTEGER, transition INTEGER DEFAULT 0 NOT NULL,
      segment_id INTEGER, visit_duration INTEGER DEFAULT 0 NOT NULL);
  CREATE TABLE visit_source(id INTEGER PRIMARY KEY, source INTEGER NOT NULL);
  CREATE TABLE keyword_search_terms(keyword_id INTEGER NOT NULL, url_id INTEGER NOT NULL,
      term LONGVARCHAR NOT NULL, normalized_term LONGVARCHAR NOT NULL);
  CREATE TABLE downloads(id INTEGER PRIMARY KEY, guid VARCHAR NOT NULL,
      current_path LONGVARCHAR NOT NULL, target_path LONGVARCHAR NOT NULL,
      start_time INTEGER NOT NULL, received_bytes INTEGER NOT NULL, total_bytes INTEGER NOT NULL,
      state INTEGER NOT NULL, tab_url VARCHAR NOT NULL, mime_type VARCHAR(255) NOT NULL);
  CREATE TABLE downloads_url_chains(id INTEGER NOT NULL, chain_index INTEGER NOT NULL,
      url LONGVARCHAR NOT NULL, PRIMARY KEY (id, chain_index));
  CREATE TABLE segments(id INTEGER PRIMARY KEY, name VARCHAR, url_id INTEGER NON NULL);
  CREATE TABLE segment_usage(id INTEGER PRIMARY KEY, segment_id INTEGER NOT NULL,
      time_slot INTEGER NOT NULL, visit_count INTEGER DEFAULT 0 NOT NULL);
  INSERT INTO meta VALUES ('version', '66');
  INSERT INTO urls VALUES (1, 'https://secret.example/page', 'Secret', 2, 1, 100, 0),
                          (2, 'https://bookmarked.example/', 'Marked', 1, 0, 200, 0);
  INSERT INTO visits VALUES (1, 1, 10, 0, 805306368, 1, 0), (2, 1, 20, 1, 0, 1, 0),
                            (3, 2, 30, 0, 0, 0, 0);
  INSERT INTO visit_source VALUES (1, 0);
  INSERT INTO keyword_search_terms VALUES (2, 1, 'Secret Term', 'secret term');
  INSERT INTO downloads VALUES (1, 'g', '/home/u/Downloads/secret.pdf',
      '/home/u/Downloads/secret.pdf', 5, 10, 10, 1, 'https://secret.example/', 'application/pdf');
  INSERT INTO downloads_url_chains VALUES (1, 0, 'https://secret.example/secret.pdf');
  INSERT INTO segments VALUES (1, 'http://secret.example/', 1);
  INSERT INTO segment_usage VALUES (1, 1, 0, 2);
)";

constexpr const char* kCookies = R"(
  CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value LONGVARCHAR);
  CREATE TABLE cookies(creation_utc INTEGER NOT NULL, host_key TEXT NOT NULL,
      top_frame_site_key TEXT NOT NULL, name TEXT NOT NULL, value TEXT NOT NULL,
      encrypted_value BLOB NOT NULL, path TEXT NOT NULL, expires_utc INTEGER NOT NULL,
      is_secure INTEGER NOT NULL, is_httponly INTEGER NOT NULL, last_access_utc INTEGER NOT NULL,
      has_expires INTEGER NOT NULL, is_persistent INTEGER NOT NULL, priority INTEGER NOT NULL,
      samesite INTEGER NOT NULL, source_scheme INTEGER NOT NULL, source_port INTEGER NOT NULL,
      last_update_utc INTEGER NOT NULL);
  INSERT INTO meta VALUES ('version', '21');
  INSERT INTO cookies VALUES (1, '.secret.example', '', 'sid', '', x'763130', '/', 0, 1, 1, 1, 1,
                              1, 1, 0, 2, 443, 1),
                             (2, 'other.example', '', 'pref', 'dark', x'', '/', 0, 0, 0, 2, 1,
                              1, 1, 0, 2, 443, 2);
)";

// "Web Data": what was typed into forms and the addresses, beside the cards and search engines
// that stay.
constexpr const char* kWebData = R"(
  CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value LONGVARCHAR);
  CREATE TABLE autofill(name VARCHAR, value VARCHAR, value_lower VARCHAR,
      date_created INTEGER DEFAULT 0, date_last_used INTEGER DEFAULT 0, count INTEGER DEFAULT 1,
      PRIMARY KEY (name, value));
  CREATE TABLE local_addresses(guid VARCHAR PRIMARY KEY, use_count INTEGER NOT NULL DEFAULT 0,
      use_date INTEGER NOT NULL DEFAULT 0, date_modified INTEGER NOT NULL DEFAULT 0,
      language_code VARCHAR, label VARCHAR);
  CREATE TABLE local_addresses_type_tokens(guid VARCHAR, type INTEGER, value VARCHAR,
      verification_status INTEGER DEFAULT 0, observations BLOB, PRIMARY KEY (guid, type));
  CREATE TABLE credit_cards(guid VARCHAR PRIMARY KEY, name_on_card VARCHAR,
      expiration_month INTEGER, expiration_year INTEGER, card_number_encrypted BLOB,
      date_modified INTEGER NOT NULL DEFAULT 0, origin VARCHAR DEFAULT '',
      use_count INTEGER NOT NULL DEFAULT 0, use_date INTEGER NOT NULL DEFAULT 0,
      billing_address_id VARCHAR, nickname VARCHAR);
  CREATE TABLE keywords(id INTEGER PRIMARY KEY, short_name VARCHAR NOT NULL,
      keyword VARCHAR NOT NULL, favicon_url VARCHAR NOT NULL, url VARCHAR NOT NULL);
  INSERT INTO autofill VALUES ('email', 'me@secret.example', 'me@secret.example', 1, 2, 3),
                              ('q', 'secret search', 'secret search', 1, 2, 1);
  INSERT INTO local_addresses VALUES ('a1', 2, 3, 4, 'en', '');
  INSERT INTO local_addresses_type_tokens VALUES ('a1', 77, '1 Secret Street', 0, NULL);
  INSERT INTO credit_cards VALUES ('c1', 'Card Holder', 12, 2030, x'00', 0, '', 0, 0, '', '');
  INSERT INTO keywords VALUES (2, 'Search', 'search.example', '', 'https://search.example/?q={searchTerms}');
)";

// "Favicons": the icon of the bookmarked page and the icon of a page only visited.
constexpr const char* kFavicons = R"(
  CREATE TABLE meta(key LONGVARCHAR NOT NULL UNIQUE PRIMARY KEY, value LONGVARCHAR);
  CREATE TABLE favicons(id INTEGER PRIMARY KEY, url LONGVARCHAR NOT NULL,
      icon_type INTEGER DEFAULT 1);
  CREATE TABLE favicon_bitmaps(id INTEGER PRIMARY KEY, icon_id INTEGER NOT NULL,
      last_updated INTEGER DEFAULT 0, image_data BLOB, width INTEGER DEFAULT 0,
      height INTEGER DEFAULT 0, last_requested INTEGER DEFAULT 0);
  CREATE TABLE icon_mapping(id INTEGER PRIMARY KEY, page_url LONGVARCHAR NOT NULL,
      icon_id INTEGER, page_url_type INTEGER DEFAULT 0);
  INSERT INTO favicons VALUES (1, 'https://bookmarked.example/favicon.ico', 1),
                              (2, 'https://secret.example/favicon.ico', 1);
  INSERT INTO favicon_bitmaps VALUES (1, 1, 0, x'89504e47', 16, 16, 0),
                                     (2, 2, 0, x'89504e47', 16, 16, 0);
  INSERT INTO icon_mapping VALUES (1, 'https://bookmarked.example/', 1, 0),
                                  (2, 'https://secret.example/page', 2, 0);
)";

constexpr const char* kBookmarks = R"({
   "checksum": "0f3e",
   "roots": {
      "bookmark_bar": {
         "children": [ {
            "date_added": "13340000000000000", "guid": "b1", "id": "5",
            "name": "Marked", "type": "url", "url": "https://bookmarked.example/"
         } ],
         "date_added": "13340000000000000", "id": "1", "name": "Bookmarks bar", "type": "folder"
      }
   },
   "version": 1
}
)";

class ChromiumTracesTest : public CleanerTest {
 protected:
  ChromiumTracesTest() { CleanerEnvironment().ProcessFolder = folder.makeFolder("proc"); }

  // A profile with every database and file the items look at, and what must stay beside them.
  // `cookiesIn` is where this browser version keeps its cookies.
  std::string Profile(const std::string& relative, const std::string& cookiesIn = "Network/") {
    const std::string profile = folder.makeFolder(relative) + "/";
    Exec(profile + "History", kHistory);
    folder.makeFolder(relative + "/" + cookiesIn);
    Exec(profile + cookiesIn + "Cookies", kCookies);
    Exec(profile + "Web Data", kWebData);
    Exec(profile + "Login Data",
         "CREATE TABLE logins(origin_url VARCHAR NOT NULL, username_value VARCHAR,"
         " password_value BLOB); INSERT INTO logins VALUES ('https://a.example/', 'me', x'01');");
    Exec(profile + "Favicons", kFavicons);
    folder.write(relative + "/Bookmarks", kBookmarks);
    folder.write(relative + "/Preferences", R"({"profile":{"name":"Person 1"}})");
    folder.write(relative + "/Visited Links", "visited");
    folder.write(relative + "/Top Sites", "top");
    folder.write(relative + "/Code Cache/js/index", "code");
    return profile;
  }

  // What stays in every profile, as it was before the run.
  static std::map<std::string, std::string> Kept(const std::string& profile) {
    std::map<std::string, std::string> kept;
    for (const char* name : {"Bookmarks", "Preferences", "Login Data"}) {
      kept[name] = readFileBytes(profile + name);
    }
    return kept;
  }

  std::vector<TEraser*> Items(TEraserEngine& engine) {
    return {engine.ChromiumHistory, engine.ChromiumCookies, engine.ChromiumCache,
            engine.ChromiumFormData};
  }

  std::pair<std::vector<TCleanRecord>, std::vector<TCleanRecord>> Run(TEraserEngine& engine,
                                                                      bool preview) {
    engine.ClearRecords();
    engine.Preview = preview;
    for (TEraser* item : Items(engine)) item->Erase();
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

TEST(LocalState, NamesTheProfilesOfItsInfoCacheAndNothingOutsideTheUserDataFolder) {
  const struct {
    const char* json;
    Texts profiles;
  } cases[] = {
      {R"({"browser":{"x":[1,{"profile":{"info_cache":{"Wrong":{}}}}]},
          "profile" : { "last_used": "Profile 1", "info_cache" : {
             "Default": {"name": "Person \"1\" {x}", "avatar": [1, 2, {"a": null}]},
             "Profile 1": {"name": "Work", "is_ephemeral": false},
             "Profile\u0020\u0032": {}, "../../.ssh": {}, "a/b": {}, "": {} } },
          "tail": true})",
       {"Default", "Profile 1", "Profile 2"}},
      {R"({"profile":{"info_cache":{}}})", {}},
      {R"({"profile":{"last_used":"Default"}})", {}},
      {R"({"profile":{"info_cache":{"Default":{}, "Profile 1": {"name": "unterminated)",
       {"Default"}},
      {"not json", {}},
      // Only a plain folder name of the user data folder is a profile.
      {R"({"profile":{"info_cache":{"..":{}, ".":{}, "a/b":{}, "/etc":{}, "a..b":{}, "x/..":{},
          "Profile 3":{}}}})",
       {"Profile 3"}},
      // A surrogate without its partner stands for U+FFFD, as the browsers read it; the escape
      // after it is read on its own.
      {R"({"profile":{"info_cache":{"P\ud800\u0041":{"name":"\udc00"},"Profile 1":{}}}})",
       {"P\xEF\xBF\xBD"
        "A",
        "Profile 1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    EXPECT_EQ(ProfilesInLocalState(c.json), c.profiles);
  }
}

TEST(Bookmarks, AddressesAreReadAtEveryDepthWithTheirEscapes) {
  EXPECT_EQ(BookmarkedAddresses(kBookmarks), Texts{"https://bookmarked.example/"});
  EXPECT_EQ(BookmarkedAddresses(R"({"roots":{"other":{"children":[{"children":[
               {"type":"url","url":"https://caf\u00e9.example/\ud83d\ude00"}],"type":"folder"},
               {"url":"https://b.example/?a=\"1\"","name":"url"}]}}})"),
            (Texts{"https://caf\xc3\xa9.example/\xf0\x9f\x98\x80", "https://b.example/?a=\"1\""}));
  EXPECT_EQ(BookmarkedAddresses(R"({"roots": {"bookmark_bar": {"children": [)"), std::nullopt);
  EXPECT_EQ(BookmarkedAddresses(R"({"url":"https://a.example/\ud83d"} trailing)"), std::nullopt);
  EXPECT_EQ(BookmarkedAddresses(R"({"url":"https://a.example/\q"})"), std::nullopt);
}

TEST_F(ChromiumTracesTest, TracesGoInsideTheDatabasesOfEveryInstallAndTheRestStays) {
  // Chrome with two profiles listed in Local State and one it does not list.
  folder.write("config/google-chrome/Local State",
               R"({"profile":{"info_cache":{"Default":{},"Profile 1":{}}}})");
  const std::string chrome = Profile("config/google-chrome/Default");
  const std::string work = Profile("config/google-chrome/Profile 1", "");
  const std::string unlisted = Profile("config/google-chrome/Profile 9");
  folder.write("home/.cache/google-chrome/Default/Cache/Cache_Data/f_000001", "cached page");
  folder.write("home/.cache/google-chrome/Default/Code Cache/js/abc", "code");
  folder.write("home/.cache/google-chrome/Default/Storage/kept", "not a cache");
  // Chromium from the snap store, Brave from flatpak, Opera whose profile is its folder.
  folder.write("home/snap/chromium/common/chromium/Local State",
               R"({"profile":{"info_cache":{"Default":{}}}})");
  const std::string snap = Profile("home/snap/chromium/common/chromium/Default");
  folder.write("home/snap/chromium/common/.cache/chromium/Default/Cache/Cache_Data/x", "c");
  const std::string flatpak =
      Profile("home/.var/app/com.brave.Browser/config/BraveSoftware/Brave-Browser/Default");
  const std::string opera = Profile("config/opera");
  folder.write("home/.cache/opera/Cache/Cache_Data/y", "c");
  const Texts cleaned = {chrome, work, snap, flatpak, opera};
  std::map<std::string, std::map<std::string, std::string>> before;
  for (const std::string& profile : cleaned) before[profile] = Kept(profile);
  const std::string unlistedHistory = readFileBytes(unlisted + "History");

  TEraserEngine engine;
  const auto [previewed, previewLeft] = Run(engine, true);
  EXPECT_TRUE(previewLeft.empty());
  for (const std::string& profile : cleaned) {
    EXPECT_EQ(Count(profile + "History", "SELECT count(*) FROM visits"), 3);
  }
  const auto [removed, left] = Run(engine, false);
  EXPECT_TRUE(left.empty()) << (left.empty() ? "" : left[0].What + ": " + left[0].Reason);
  EXPECT_EQ(WhatOf(previewed), WhatOf(removed));

  for (const std::string& profile : cleaned) {
    SCOPED_TRACE(profile);
    const std::string history = profile + "History";
    for (const char* table : {"urls", "visits", "visit_source", "keyword_search_terms", "downloads",
                              "downloads_url_chains", "segments", "segment_usage"}) {
      EXPECT_EQ(Count(history, std::string("SELECT count(*) FROM ") + table), 0) << table;
    }
    EXPECT_EQ(Count(history, "SELECT count(*) FROM meta"), 1);
    EXPECT_EQ(readFileBytes(history).find("secret"), std::string::npos);
    const std::string cookies = profile + (profile == work ? "Cookies" : "Network/Cookies");
    EXPECT_EQ(Count(cookies, "SELECT count(*) FROM cookies"), 0);
    EXPECT_EQ(readFileBytes(cookies).find("secret.example"), std::string::npos);
    const std::string webData = profile + "Web Data";
    for (const char* table : {"autofill", "local_addresses", "local_addresses_type_tokens"}) {
      EXPECT_EQ(Count(webData, std::string("SELECT count(*) FROM ") + table), 0) << table;
    }
    EXPECT_EQ(readFileBytes(webData).find("Secret Street"), std::string::npos);
    EXPECT_EQ(Count(webData, "SELECT count(*) FROM credit_cards"), 1);
    EXPECT_EQ(Count(webData, "SELECT count(*) FROM keywords"), 1);
    EXPECT_EQ(Kept(profile), before[profile]);
    const std::string favicons = profile + "Favicons";
    EXPECT_EQ(Count(favicons, "SELECT count(*) FROM icon_mapping WHERE icon_id = 1"), 1);
    EXPECT_EQ(Count(favicons, "SELECT count(*) FROM favicons"), 1);
    EXPECT_EQ(Count(favicons, "SELECT count(*) FROM favicon_bitmaps WHERE icon_id = 1"), 1);
    EXPECT_EQ(readFileBytes(favicons).find("secret.example"), std::string::npos);
    EXPECT_FALSE(pathExists(profile + "Visited Links"));
    EXPECT_FALSE(pathExists(profile + "Top Sites"));
    EXPECT_FALSE(pathExists(profile + "Code Cache/js/index"));
    EXPECT_TRUE(pathExists(profile + "Code Cache"));
  }
  for (const char* gone : {"home/.cache/google-chrome/Default/Cache/Cache_Data/f_000001",
                           "home/.cache/google-chrome/Default/Code Cache/js/abc",
                           "home/snap/chromium/common/.cache/chromium/Default/Cache/Cache_Data/x",
                           "home/.cache/opera/Cache/Cache_Data/y"}) {
    EXPECT_FALSE(pathExists(folder / gone)) << gone;
  }
  EXPECT_EQ(readFileBytes(folder / "home/.cache/google-chrome/Default/Storage/kept"),
            "not a cache");
  EXPECT_EQ(readFileBytes(unlisted + "History"), unlistedHistory);
  EXPECT_TRUE(pathExists(unlisted + "Visited Links"));

  const auto [again, leftAgain] = Run(engine, true);
  EXPECT_TRUE(again.empty()) << WhatOf(again).front();
}

TEST_F(ChromiumTracesTest, ProfilesAreFoundInEachInstallWithTheirCachesAndNoLinkOnThePath) {
  folder.makeFolder("home/snap/brave/245/.config/BraveSoftware/Brave-Browser/Default");
  fsys::create_symlink("245", folder / "home/snap/brave/current");
  // A snap whose "current" leads out of its folder is not followed.
  folder.makeFolder("elsewhere/.config/vivaldi/Default");
  folder.makeFolder("home/snap/vivaldi");
  fsys::create_symlink("../../elsewhere", folder / "home/snap/vivaldi/current");
  folder.makeFolder("home/.var/app/com.google.Chrome/config/google-chrome/Profile 3");
  folder.write("home/.var/app/com.google.Chrome/config/google-chrome/Local State",
               R"({"profile":{"info_cache":{"Profile 3":{},"Gone":{}}}})");
  folder.write("config/opera/Preferences", "{}");

  std::vector<std::string> found;
  for (const TChromiumProfile& profile : FindChromiumProfiles()) {
    found.push_back(profile.Folder + " | " + profile.Cache + " | " + profile.UserData);
  }
  const std::string home = folder / "home/";
  const std::string brave = home + "snap/brave/245/.config/BraveSoftware/Brave-Browser/";
  const std::string chrome = home + ".var/app/com.google.Chrome/config/google-chrome/";
  EXPECT_EQ(
      found,
      (Texts{chrome + "Profile 3/ | " + home +
                 ".var/app/com.google.Chrome/cache/google-chrome/Profile 3/ | " + chrome,
             brave + "Default/ | " + home +
                 "snap/brave/245/.cache/BraveSoftware/Brave-Browser/Default/ | " + brave,
             folder / "config/opera/ | " + home + ".cache/opera/ | " + folder / "config/opera/"}));
}

TEST_F(ChromiumTracesTest, TheRemovedRowsLeaveNoCopyInTheDatabasesJournal) {
  const std::string profile = Profile("config/chromium/Default");
  const std::string history = profile + "History";
  // A journal kept from an earlier change (its header zeroed: nothing to roll back), which the
  // next change writes the pages as they were into. The test holds it open to see that.
  Exec(history, "PRAGMA journal_mode=PERSIST; UPDATE meta SET value = '67';");
  const int journal = ::open((history + "-journal").c_str(), O_RDONLY);
  ASSERT_GE(journal, 0);
  TEraserEngine engine;
  engine.ChromiumHistory->Erase();
  EXPECT_TRUE(engine.Left.empty());
  EXPECT_TRUE(engine.Notes.empty());
  std::string written;
  char block[4096];
  for (ssize_t got; (got = ::pread(journal, block, sizeof block, written.size())) > 0;) {
    written.append(block, static_cast<std::size_t>(got));
  }
  ::close(journal);
  EXPECT_EQ(written.find("secret"), std::string::npos);
  EXPECT_EQ(readFileBytes(history).find("secret"), std::string::npos);
  EXPECT_FALSE(pathExists(history + "-journal"));
  EXPECT_EQ(Count(history, "SELECT count(*) FROM meta"), 1);
}

TEST_F(ChromiumTracesTest, AProfileWhoseBrowserRunsIsSkippedAndNamedByEveryItem) {
  const std::string running = Profile("config/chromium/Default");
  const std::string ended = Profile("config/vivaldi/Default");
  fsys::create_symlink("host-4242", folder / "config/chromium/SingletonLock");
  fsys::create_symlink("host-4343", folder / "config/vivaldi/SingletonLock");  // process gone
  folder.makeFolder("proc/4242");

  TEraserEngine engine;
  const auto [removed, left] = Run(engine, false);
  ASSERT_EQ(left.size(), 4u);
  for (const TCleanRecord& record : left) EXPECT_EQ(record.What, running);
  EXPECT_EQ(Count(running + "History", "SELECT count(*) FROM visits"), 3);
  EXPECT_EQ(Count(running + "Network/Cookies", "SELECT count(*) FROM cookies"), 2);
  EXPECT_TRUE(pathExists(running + "Visited Links"));
  EXPECT_EQ(Count(ended + "History", "SELECT count(*) FROM visits"), 0);
}

TEST_F(ChromiumTracesTest, ADatabaseOfAnotherKindIsLeftAsItIsAndNamed) {
  const std::string profile = Profile("config/microsoft-edge/Default");
  const std::string history = folder.write("config/microsoft-edge/Default/History", "not sqlite");
  fsys::remove(profile + "Network/Cookies");
  Exec(profile + "Network/Cookies", "CREATE TABLE other(x); INSERT INTO other VALUES (1);");
  const std::string otherCookies = readFileBytes(profile + "Network/Cookies");
  // Bookmarks that cannot be read: no icon can be told to belong to a bookmark.
  folder.write("config/microsoft-edge/Default/Bookmarks", "{\"roots\": {");
  const std::string icons = readFileBytes(profile + "Favicons");
  TEraserEngine engine;
  engine.ChromiumHistory->Erase();
  engine.ChromiumCookies->Erase();
  ASSERT_EQ(engine.Left.size(), 3u);
  EXPECT_EQ(engine.Left[0].What, history);
  EXPECT_EQ(engine.Left[1].What, profile + "Favicons");
  EXPECT_EQ(engine.Left[2].What, profile + "Network/Cookies");
  EXPECT_EQ(readFileBytes(profile + "Favicons"), icons);
  EXPECT_EQ(readFileBytes(history), "not sqlite");
  EXPECT_EQ(readFileBytes(profile + "Network/Cookies"), otherCookies);
}

}  // namespace

namespace {

TEST_F(ChromiumTracesTest, AProfileNameThatLeavesTheUserDataFolderOrALinkIsNeverCleaned) {
  // A History beside the user data folder, and one a link leads to: neither is a profile.
  const std::string outside = folder.makeFolder("config") + "/";
  Exec(outside + "History", kHistory);
  const std::string kept = Profile("config/chromium/Default");
  const std::string elsewhere = Profile("elsewhere/Profile 2");
  fsys::create_symlink(elsewhere, folder / "config/chromium/Linked");
  folder.write("config/chromium/Local State",
               R"({"profile":{"info_cache":{"..":{}, ".":{}, "../chromium/..":{}, "Linked":{},
                  ")" +
                   folder / "elsewhere" + R"(":{}, "Default":{}}}})");
  std::vector<std::string> found;
  for (const TChromiumProfile& profile : FindChromiumProfiles()) found.push_back(profile.Folder);
  EXPECT_EQ(found, Texts{kept});

  TEraserEngine engine;
  Run(engine, false);
  EXPECT_EQ(Count(outside + "History", "SELECT count(*) FROM visits"), 3);
  EXPECT_EQ(Count(elsewhere + "History", "SELECT count(*) FROM visits"), 3);
  EXPECT_EQ(Count(kept + "History", "SELECT count(*) FROM visits"), 0);
}

TEST_F(ChromiumTracesTest, ALocalStateThatCannotBeReadIsNamedAndNoProfileIsPassedOver) {
  const struct {
    const char* name;
    std::string localState;
    Texts cleaned;  // profiles whose history goes
    bool named;     // the Local State is named in a note
  } cases[] = {
      {"no profiles listed", R"({"profile":{"info_cache":{}}})", {"Default"}, false},
      {"no Local State", "", {"Default"}, false},
      {"cut short",
       R"({"profile":{"info_cache":{"Default":{},"Profile 1":{})",
       {"Default", "Profile 1"},
       true},
      {"an escape no reader knows",
       R"({"profile":{"info_cache":{"Profile 1":{"n":"\q"}}}})",
       {"Default", "Profile 1"},
       true},
      {"a lone surrogate",
       R"({"profile":{"info_cache":{"Profile 1":{"n":"\ud800\u0041"}}}})",
       {"Profile 1"},
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fsys::remove_all(folder / "config/chromium");
    for (const char* name : {"Default", "Profile 1"})
      Profile(std::string("config/chromium/") + name);
    if (!c.localState.empty()) folder.write("config/chromium/Local State", c.localState);
    TEraserEngine engine;
    engine.ChromiumHistory->Erase();
    engine.ChromiumCookies->Erase();
    Texts cleaned;
    for (const char* name : {"Default", "Profile 1"}) {
      const std::string history = folder / "config/chromium/" + name + "/History";
      if (Count(history, "SELECT count(*) FROM visits") == 0) cleaned.push_back(name);
    }
    EXPECT_EQ(cleaned, c.cleaned);
    const auto named = std::count_if(engine.Notes.begin(), engine.Notes.end(), [&](const auto& n) {
      return n.What == folder / "config/chromium/Local State";
    });
    EXPECT_EQ(named, c.named ? 1 : 0);  // once, whichever items meet it
    EXPECT_TRUE(engine.Left.empty());
  }
}

TEST_F(ChromiumTracesTest, TheIconOfABookmarkWhoseAddressHoldsAQuoteStays) {
  const std::string profile = Profile("config/chromium/Default");
  folder.write("config/chromium/Default/Bookmarks",
               R"({"roots":{"bookmark_bar":{"children":[{"type":"url",
                  "url":"https://o'brien.example/it's"},{"type":"url",
                  "url":"https://x.example/') OR ('1'='1"}]}}})");
  Exec(profile + "Favicons",
       "INSERT INTO favicons VALUES (3, 'https://o''brien.example/i.ico', 1);"
       "INSERT INTO favicon_bitmaps VALUES (3, 3, 0, x'00', 16, 16, 0);"
       "INSERT INTO icon_mapping VALUES (3, 'https://o''brien.example/it''s', 3, 0);");
  TEraserEngine engine;
  engine.ChromiumHistory->Erase();
  EXPECT_TRUE(engine.Left.empty()) << engine.Left.front().Reason;
  const std::string favicons = profile + "Favicons";
  EXPECT_EQ(Count(favicons, "SELECT group_concat(id) FROM icon_mapping"), 3);
  EXPECT_EQ(Count(favicons, "SELECT count(*) FROM favicons"), 1);
  EXPECT_EQ(Count(favicons, "SELECT count(*) FROM favicon_bitmaps WHERE icon_id = 3"), 1);
}

}  // namespace
