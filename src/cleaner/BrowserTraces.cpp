#include "cleaner/BrowserTraces.h"

#include <optional>

#include "cleaner/BrowserProfiles.h"
#include "cleaner/CleanerEnvironment.h"
#include "cleaner/PlacesHistory.h"
#include "cleaner/SessionPages.h"
#include "cleaner/SqliteRows.h"
#include "cleaner/SqliteSupport.h"
#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TracePaths.h"
#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

namespace {

constexpr const char* kTypedUrlsKey = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

// Runs the work for each profile that no browser holds; a held one is named and left alone.
template <typename Work>
void ForFreeProfiles(TEraseFiles& item, const std::vector<TBrowserProfile>& profiles, Work work) {
  for (const TBrowserProfile& profile : profiles) {
    // A profile's work can take a while (a database the browser keeps busy): a stop asked
    // for meanwhile is seen before the next one.
    if (item.Engine) item.Engine->ProcessMessages();
    if (item.Cancelled()) return;
    if (ProfileInUse(profile)) {
      if (item.Engine) {
        item.Engine->RecordLeft(item, profile.Folder,
                                Tr("the browser is running with this profile; close it first"));
      }
      continue;
    }
    work(profile);
  }
}

void AddFiles(TEraseFiles& item, const std::string& folder,
              std::initializer_list<const char*> names) {
  for (const char* name : names) item.AddFile(folder + name);
}

void AddCache(TEraseFiles& item, const std::string& folder) {
  if (!folder.empty()) item.AddFolder(folder, "*", true, true);
}

// Runs the rows' removal on a database of the profile and records what came of it.
void ClearProfileRows(TEraseFiles& item, const std::string& database,
                      const std::string& requiredTable, const std::vector<TRowSelection>& rows,
                      const char* noun, const TSqliteValues& values = {}) {
  if (!IsFile(database) || item.Keeps(database)) return;
  const bool preview = item.Engine && item.Engine->Preview;
  const TRowsCleared cleared =
      ClearSqliteRows(database, requiredTable, rows, preview,
                      Substituted(Tr("holds no {}; left as it is"), {Tr(noun)}), values);
  if (!item.Engine) return;
  if (!cleared.Ok) {
    item.Engine->RecordLeft(
        item, database,
        Substituted(Tr("the {} could not be removed ({})"), {Tr(noun), cleared.Error}));
  } else if (cleared.Rows > 0) {
    item.Engine->RecordRemoved(item,
                               database + ": " + std::to_string(cleared.Rows) + " " + Tr(noun));
  }
  if (!cleared.Note.empty()) item.Engine->Notes.push_back({item.Name, database, 0, cleared.Note});
}

// The addresses the bookmarks of a places database use; null when it cannot be read.
std::optional<std::vector<std::string>> BookmarkedPlaces(const std::string& places) {
  std::string error;
  const Database db = OpenSqliteDatabase(places, true, error);
  if (!db) return std::nullopt;
  if (!SqliteHasTable(db.get(), "moz_bookmarks")) return std::vector<std::string>{};
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db.get(),
                         "SELECT url FROM moz_places WHERE id IN "
                         "(SELECT fk FROM moz_bookmarks WHERE fk IS NOT NULL)",
                         -1, &raw, nullptr) != SQLITE_OK) {
    return std::nullopt;
  }
  std::unique_ptr<sqlite3_stmt, FinalizeStatement> statement(raw);
  std::vector<std::string> addresses;
  int step;
  while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
    const unsigned char* text = sqlite3_column_text(raw, 0);
    if (text) addresses.emplace_back(reinterpret_cast<const char*>(text));
  }
  if (step != SQLITE_DONE) return std::nullopt;
  return addresses;
}

// The icon a site keeps at its top ("http://host:port/favicon.ico") for an address.
std::string RootIconOf(const std::string& address) {
  const std::size_t scheme = address.find("://");
  if (scheme == std::string::npos) return {};
  const std::size_t end = address.find_first_of("/?#", scheme + 3);
  return address.substr(0, end) + "/favicon.ico";
}

// "favicons.sqlite" (Firefox 55 to 153: moz_pages_w_icons, moz_icons_to_pages, moz_icons): the
// icons of the pages visited, except those of bookmarked pages and of their sites. Without
// readable bookmarks nothing is removed, so that no bookmark loses its icon.
void ClearFirefoxFavicons(TEraseFiles& item, const TBrowserProfile& profile,
                          const std::string& places) {
  const std::string favicons = profile.Folder + "favicons.sqlite";
  if (!IsFile(favicons)) return;
  const auto bookmarked = BookmarkedPlaces(places);
  if (!bookmarked) {
    if (item.Engine) {
      item.Engine->RecordLeft(item, favicons,
                              Tr("the icons of visited pages stay: the bookmarks, whose icons must "
                                 "stay, could not be read"));
    }
    return;
  }
  std::vector<std::string> kept = *bookmarked;
  for (const std::string& address : *bookmarked) kept.push_back(RootIconOf(address));
  const std::string marked = "(SELECT value FROM temp.kept_pages)";
  const std::string keptPages =
      "(SELECT id FROM moz_pages_w_icons WHERE page_url IN " + marked + ")";
  const std::string keptIcons =
      "(SELECT icon_id FROM moz_icons_to_pages WHERE page_id IN " + keptPages + ")";
  ClearProfileRows(item, favicons, "moz_icons",
                   {{"moz_icons_to_pages", "page_id NOT IN " + keptPages},
                    {"moz_pages_w_icons", "page_url NOT IN " + marked},
                    {"moz_icons", "id NOT IN " + keptIcons + " AND icon_url NOT IN " + marked}},
                   TrNoop("page icons"), {"kept_pages", kept});
}

// "bounce-tracking-protection.sqlite": the sites a visit bounced through.
void ClearBounceTracking(TEraseFiles& item, const TBrowserProfile& profile) {
  ClearProfileRows(item, profile.Folder + "bounce-tracking-protection.sqlite", "sites",
                   {{"sites", {}}}, TrNoop("sites visited"));
}

// The clean of the history leaves the saved session alone, which still restores the pages:
// said, unless the sessions go in the same run.
void NoteSessionPages(TEraseFiles& item, const TBrowserProfile& profile) {
  if (!item.Engine || item.Engine->RunIncludes("NetscapeMozillaSessions")) return;
  const TSessionPages session = FirefoxSessionPages(profile.Folder);
  if (session.Pages == 0) return;
  item.Engine->Notes.push_back(
      {item.Name, profile.Folder + "sessionstore.jsonlz4", 0,
       Substituted(TrN("the saved session still lists {} page: clean \"Netscape/Mozilla "
                       "Sessions and Closed Tabs\" too",
                       "the saved session still lists {} pages: clean "
                       "\"Netscape/Mozilla Sessions and Closed Tabs\" too",
                       session.Pages),
                   {std::to_string(session.Pages)})});
}

}  // namespace

void CollectMozillaCache(TEraseFiles& item) {
  ForFreeProfiles(item, FindMozillaProfiles(), [&](const TBrowserProfile& profile) {
    AddCache(item, profile.Folder + "cache2/");
    if (!profile.Cache.empty()) AddCache(item, profile.Cache + "cache2/");
  });
}

void ClearMozillaHistory(TEraseFiles& item) {
  const bool preview = item.Engine && item.Engine->Preview;
  ForFreeProfiles(item, FindMozillaProfiles(), [&](const TBrowserProfile& profile) {
    const std::string places = profile.Folder + "places.sqlite";
    auto info = platform::fs().info(places);
    if (!info || info->kind != platform::EntryKind::File || item.Keeps(places)) return;
    ClearFirefoxFavicons(item, profile, places);
    ClearBounceTracking(item, profile);
    NoteSessionPages(item, profile);
    const TPlacesHistory history = ClearPlacesHistory(places, preview);
    if (!item.Engine) return;
    if (!history.Ok) {
      item.Engine->RecordLeft(
          item, places, Substituted(Tr("the history could not be removed ({})"), {history.Error}));
    } else if (history.Visits + history.Pages > 0) {
      item.Engine->RecordRemoved(
          item, places + ": " +
                    Substituted(Tr("{} visits, {} pages"),
                                {std::to_string(history.Visits), std::to_string(history.Pages)}));
    }
  });
}

void CollectMozillaSessions(TEraseFiles& item) {
  ForFreeProfiles(item, FindMozillaProfiles(), [&](const TBrowserProfile& profile) {
    AddFiles(
        item, profile.Folder,
        {"sessionstore.jsonlz4", "sessionstore.js", "sessionstore.bak", "sessionCheckpoints.json"});
    item.AddFolder(profile.Folder + "sessionstore-backups", "*", true, true);
  });
}

void CollectMozillaSiteData(TEraseFiles& item) {
  // What extensions keep (their settings among it) is theirs, not a site's: it stays.
  item.PassesOver = [](const std::string& path) {
    return platform::fileNameOf(path).rfind("moz-extension+++", 0) == 0;
  };
  ForFreeProfiles(item, FindMozillaProfiles(), [&](const TBrowserProfile& profile) {
    // The storage of each site ("storage/default/<origin>/ls", "idb", "cache" of its service
    // worker); "storage/permanent" holds the browser's own and stays.
    for (const char* folder : {"storage/default", "storage/temporary", "storage/to-be-removed"}) {
      item.AddFolder(profile.Folder + folder, "*", true, true);
    }
    AddFiles(item, profile.Folder,
             {"storage/ls-archive.sqlite", "storage/ls-archive.sqlite-journal",
              "storage/ls-archive-tmp.sqlite", "webappsstore.sqlite", "webappsstore.sqlite-wal",
              "webappsstore.sqlite-shm", "serviceworker.txt"});
  });
}

void CollectMozillaCookies(TEraseFiles& item) {
  ForFreeProfiles(item, FindMozillaProfiles(), [&](const TBrowserProfile& profile) {
    AddFiles(item, profile.Folder, {"cookies.sqlite", "cookies.sqlite-wal", "cookies.sqlite-shm"});
  });
}

void CollectMozillaFormHistory(TEraseFiles& item) {
  ForFreeProfiles(item, FindMozillaProfiles(), [&](const TBrowserProfile& profile) {
    AddFiles(item, profile.Folder,
             {"formhistory.sqlite", "formhistory.sqlite-wal", "formhistory.sqlite-shm"});
  });
}

void CollectOperaCache(TEraseFiles& item) {
  ForFreeProfiles(item, FindOperaProfiles(), [&](const TBrowserProfile& profile) {
    AddCache(item, profile.Cache);
    AddCache(item, profile.Folder + "cache/");
    AddCache(item, profile.Folder + "cache4/");
  });
}

void CollectOperaHistory(TEraseFiles& item) {
  ForFreeProfiles(item, FindOperaProfiles(), [&](const TBrowserProfile& profile) {
    AddFiles(
        item, profile.Folder,
        {"History", "History-journal", "Visited Links", "Top Sites", "Top Sites-journal",
         "Shortcuts", "Shortcuts-journal", "Current Session", "Current Tabs", "Last Session",
         "Last Tabs", "global_history.dat", "typed_history.xml", "vlink4.dat", "download.dat"});
    AddCache(item, profile.Folder + "Sessions/");
    AddCache(item, profile.Folder + "sessions/");
  });
}

void CollectOperaCookies(TEraseFiles& item) {
  ForFreeProfiles(item, FindOperaProfiles(), [&](const TBrowserProfile& profile) {
    AddFiles(item, profile.Folder,
             {"Cookies", "Cookies-journal", "Network/Cookies", "Network/Cookies-journal",
              "cookies4.dat"});
  });
}

void CollectOperaFormsData(TEraseFiles& item) {
  ForFreeProfiles(item, FindOperaProfiles(), [&](const TBrowserProfile& profile) {
    AddFiles(item, profile.Folder,
             {"Web Data", "Web Data-journal", "Login Data", "Login Data-journal", "wand.dat"});
  });
}

void CollectInternetCache(TEraseFiles& item) {
  const std::string cache = GetSpecialFolder(sfInternetCache);
  if (!cache.empty()) item.AddFolder(cache, "*.*", true, true);
  item.AddExclusion("index.dat");
}

void CollectInternetHistory(TEraseFiles& item) {
  const std::string history = GetSpecialFolder(sfHistory);
  if (!history.empty()) item.AddFolder(history, "*.*", true, true);
}

void CollectInternetCookies(TEraseFiles& item) {
  const std::string cookies = GetSpecialFolder(sfCookies);
  if (!cookies.empty()) item.CollectFiles(cookies, "*.*", nullptr, true);
}

void CollectTypedUrls(TEraseRegistry& item) {
  if (auto values = platform::registry().valueNames(platform::kCurrentUser, kTypedUrlsKey)) {
    for (const std::string& name : *values)
      item.AddValue(platform::kCurrentUser, kTypedUrlsKey, name);
  }
}

void CollectInternetCacheIndex(TEraseFiles& item) {
  const std::string cache = GetSpecialFolder(sfInternetCache);
  if (cache.empty()) return;
  item.AddFile(AddTrailingBackslash(AddTrailingBackslash(cache) + "Content.IE5") + "index.dat");
}

void CollectDownloadedProgramFiles(TEraseFiles& item) {
  const std::string windows = GetWindowsFolder();
  if (windows.empty()) return;
  item.AddFolder(AddTrailingBackslash(AddTrailingBackslash(windows) + "Downloaded Program Files"),
                 "*.*", true, true);
}
