#include "cleaner/ChromiumTraces.h"

#include <algorithm>
#include <vector>

#include "cleaner/ChromiumProfiles.h"
#include "cleaner/SessionPages.h"
#include "cleaner/SqliteRows.h"
#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TracePaths.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace {

// Tables of "History" (Chromium 120): urls, visits, visit_source, keyword_search_terms,
// segments, segment_usage, downloads, downloads_url_chains, downloads_slices, the annotations
// and clusters built from visits, visited_links. "meta" and the sync metadata stay.
const std::vector<TRowSelection> kHistoryRows = {
    {"visits", {}},
    {"visit_source", {}},
    {"keyword_search_terms", {}},
    {"segment_usage", {}},
    {"segments", {}},
    {"content_annotations", {}},
    {"context_annotations", {}},
    {"clusters_and_visits", {}},
    {"cluster_keywords", {}},
    {"cluster_visit_duplicates", {}},
    {"clusters", {}},
    {"visited_links", {}},
    {"downloads_url_chains", {}},
    {"downloads_slices", {}},
    {"downloads", {}},
    {"urls", {}},
};

// Files beside "History" that repeat it and that the browser builds again: the links and sites
// visited, the address bar's shortcuts and predictions, the files downloaded ("DownloadMetadata"
// goes with the downloads list), and the sites a page bounced through (DIPS).
constexpr const char* kHistoryCopies[] = {"Visited Links",
                                          "Top Sites",
                                          "Top Sites-journal",
                                          "Shortcuts",
                                          "Shortcuts-journal",
                                          "Network Action Predictor",
                                          "Network Action Predictor-journal",
                                          "DownloadMetadata",
                                          "DIPS",
                                          "DIPS-journal",
                                          "DIPS-wal",
                                          "DIPS-shm"};
// Folders of the profile that keep addresses of the pages visited, typed and downloaded for the
// browser's suggestions (Chromium 120 to 156), built again when missing.
constexpr const char* kHistoryFolders[] = {"shared_proto_db"};
// The same kept once for every profile, in the user data folder.
constexpr const char* kHistoryCopiesOfAllProfiles[] = {"segmentation_platform/ukm_db",
                                                       "segmentation_platform/ukm_db-journal",
                                                       "segmentation_platform/ukm_db-wal"};

// What reopens the tabs and windows, and the tabs closed lately (Chromium 100 to 156: the
// Sessions folders, plain and encrypted; older versions: the four files).
constexpr const char* kSessionFolders[] = {"Sessions", "Sessions_Encrypted"};
constexpr const char* kSessionFiles[] = {"Current Session", "Current Tabs", "Last Session",
                                         "Last Tabs"};

// What sites keep of their own: local and session storage, IndexedDB, service workers with
// their caches, the file system and old databases of pages, shared storage and dictionaries,
// and the browser's notes of each site (its servers, reports, characteristics and quota).
constexpr const char* kSiteDataFolders[] = {"Local Storage",     "Session Storage",
                                            "IndexedDB",         "Service Worker",
                                            "File System",       "databases",
                                            "blob_storage",      "WebStorage",
                                            "Shared Dictionary", "Site Characteristics Database"};
constexpr const char* kSiteDataFiles[] = {"SharedStorage",         "SharedStorage-wal",
                                          "SharedStorage-journal", "Network Persistent State",
                                          "Reporting and NEL",     "Reporting and NEL-journal",
                                          "QuotaManager",          "QuotaManager-journal"};

const char* const kSessionsItem = "ChromiumSessions";

const std::vector<TRowSelection> kCookieRows = {{"cookies", {}}};

// Tables of "Web Data" that hold what was typed into forms: the entries ("autofill") and the
// addresses (the older autofill_profile* tables and the newer local_addresses and contact_info
// ones). "logins" lives elsewhere; credit_cards, masked_credit_cards, ibans, keywords (search
// engines) and token_service stay.
const std::vector<TRowSelection> kFormRows = {
    {"autofill", {}},
    {"autofill_profile_names", {}},
    {"autofill_profile_emails", {}},
    {"autofill_profile_phones", {}},
    {"autofill_profile_addresses", {}},
    {"autofill_profiles_trash", {}},
    {"autofill_profiles", {}},
    {"local_addresses_type_tokens", {}},
    {"local_addresses", {}},
    {"contact_info_type_tokens", {}},
    {"contact_info", {}},
};

constexpr std::uint64_t kMaxBookmarks = 64u << 20;

// Runs the work for each profile whose browser is not running; a running one is named, and so
// is a Local State that could not be read.
template <typename Work>
void ForFreeProfiles(TEraseFiles& item, Work work) {
  std::vector<TUnreadFile> unreadable;
  const std::vector<TChromiumProfile> profiles = FindChromiumProfiles(&unreadable);
  if (item.Engine) {
    // Said once a run, whichever of the family's items meets it first.
    auto& notes = item.Engine->Notes;
    for (const TUnreadFile& file : unreadable) {
      const bool said = std::any_of(notes.begin(), notes.end(), [&](const TCleanRecord& note) {
        return note.What == file.Path;
      });
      if (!said) {
        notes.push_back(
            {item.Name, file.Path, 0,
             file.Reason + Tr("; every profile folder with its own Preferences was cleaned")});
      }
    }
  }
  for (const TChromiumProfile& profile : profiles) {
    if (item.Engine) item.Engine->ProcessMessages();
    if (item.Cancelled()) return;
    if (ChromiumProfileInUse(profile)) {
      if (item.Engine) {
        item.Engine->RecordLeft(item, profile.Folder,
                                Tr("the browser is running with this profile; close it first"));
      }
      continue;
    }
    work(profile);
  }
}

// Removes the rows inside the database when it exists; records what went or why nothing did.
void ClearRows(TEraseFiles& item, const std::string& database, const std::string& requiredTable,
               const std::vector<TRowSelection>& rows, const char* noun,
               const TSqliteValues& values = {}) {
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

// "Favicons" (Chromium 120: favicons, favicon_bitmaps, icon_mapping): the icons of the pages
// visited, except those of bookmarked pages. Without readable bookmarks nothing is removed, so
// that no bookmark loses its icon.
void ClearFavicons(TEraseFiles& item, const TChromiumProfile& profile) {
  const std::string favicons = profile.Folder + "Favicons";
  if (!IsFile(favicons)) return;
  std::vector<std::string> bookmarked;
  const std::string bookmarks = profile.Folder + "Bookmarks";
  if (IsFile(bookmarks)) {
    const auto text = platform::fs().readFile(bookmarks, kMaxBookmarks);
    const auto addresses = text ? BookmarkedAddresses(*text) : std::nullopt;
    if (!addresses) {
      if (item.Engine) {
        const std::string why =
            text ? Tr("they are not a bookmarks document") : text.error().message();
        item.Engine->RecordLeft(item, favicons,
                                Tr("the icons of visited pages stay: the bookmarks, whose icons "
                                   "must stay, could not be read") +
                                    " (" + why + ")");
      }
      return;
    }
    bookmarked = *addresses;
  }
  // The addresses are bound as values, so that any address (one with a quote) is taken as
  // it is.
  const std::string marked = "(SELECT value FROM temp.bookmarked_pages)";
  const std::string kept = "(SELECT icon_id FROM icon_mapping WHERE page_url IN " + marked + ")";
  ClearRows(item, favicons, "icon_mapping",
            {{"icon_mapping", "page_url NOT IN " + marked},
             {"favicon_bitmaps", "icon_id NOT IN " + kept},
             {"favicons", "id NOT IN " + kept}},
            TrNoop("page icons"), {"bookmarked_pages", bookmarked});
}

// The clean of the history leaves the saved session alone, which still reopens the pages: said,
// unless the sessions go in the same run.
void NoteSessionPages(TEraseFiles& item, const TChromiumProfile& profile) {
  if (!item.Engine || item.Engine->RunIncludes(kSessionsItem)) return;
  const TSessionPages session = ChromiumSessionPages(profile.Folder);
  std::string what;
  if (session.Pages > 0) {
    what = Substituted(TrN("the saved session still lists {} page",
                           "the saved session still lists {} pages", session.Pages),
                       {std::to_string(session.Pages)});
  } else if (session.Unreadable > 0) {
    what = Tr("the saved session (encrypted) may still list the pages visited");
  } else {
    return;
  }
  item.Engine->Notes.push_back(
      {item.Name, profile.Folder + "Sessions", 0,
       what + Tr(": clean \"Chromium-family Sessions and Closed Tabs\" too")});
}

}  // namespace

void ClearChromiumHistory(TEraseFiles& item) {
  ForFreeProfiles(item, [&](const TChromiumProfile& profile) {
    ClearRows(item, profile.Folder + "History", "urls", kHistoryRows, TrNoop("history entries"));
    ClearFavicons(item, profile);
    for (const char* name : kHistoryCopies) item.AddFile(profile.Folder + name);
    for (const char* name : kHistoryFolders) {
      item.AddFolder(profile.Folder + name, "*", true, true);
    }
    for (const char* name : kHistoryCopiesOfAllProfiles) item.AddFile(profile.UserData + name);
    NoteSessionPages(item, profile);
  });
}

void CollectChromiumSessions(TEraseFiles& item) {
  ForFreeProfiles(item, [&](const TChromiumProfile& profile) {
    for (const char* folder : kSessionFolders) {
      item.AddFolder(profile.Folder + folder, "*", true, true);
    }
    for (const char* name : kSessionFiles) item.AddFile(profile.Folder + name);
  });
}

void CollectChromiumSiteData(TEraseFiles& item) {
  // The databases extensions keep of their own (their settings among them) stay; the storage
  // that sites and extensions share (Local Storage) goes whole.
  item.PassesOver = [](const std::string& path) {
    return platform::fileNameOf(path).rfind("chrome-extension_", 0) == 0;
  };
  ForFreeProfiles(item, [&](const TChromiumProfile& profile) {
    for (const char* folder : kSiteDataFolders) {
      item.AddFolder(profile.Folder + folder, "*", true, true);
    }
    for (const char* name : kSiteDataFiles) item.AddFile(profile.Folder + name);
  });
}

void ClearChromiumCookies(TEraseFiles& item) {
  ForFreeProfiles(item, [&](const TChromiumProfile& profile) {
    for (const char* name : {"Cookies", "Network/Cookies"}) {
      ClearRows(item, profile.Folder + name, "cookies", kCookieRows, "cookies");
    }
  });
}

void CollectChromiumCache(TEraseFiles& item) {
  ForFreeProfiles(item, [&](const TChromiumProfile& profile) {
    for (const std::string& base : {profile.Cache, profile.Folder}) {
      if (base.empty()) continue;
      item.AddFolder(base + "Cache", "*", true, true);
      item.AddFolder(base + "Code Cache", "*", true, true);
    }
  });
}

void ClearChromiumFormData(TEraseFiles& item) {
  ForFreeProfiles(item, [&](const TChromiumProfile& profile) {
    ClearRows(item, profile.Folder + "Web Data", "autofill", kFormRows, TrNoop("form entries"));
  });
}
