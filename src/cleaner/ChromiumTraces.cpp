#include "cleaner/ChromiumTraces.h"

#include <vector>

#include "cleaner/ChromiumProfiles.h"
#include "cleaner/SqliteRows.h"
#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TracePaths.h"
#include "platform/FileSystem.h"

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

// Files beside "History" that repeat it and that the browser builds again.
constexpr const char* kHistoryCopies[] = {"Visited Links",
                                          "Top Sites",
                                          "Top Sites-journal",
                                          "Shortcuts",
                                          "Shortcuts-journal",
                                          "Network Action Predictor",
                                          "Network Action Predictor-journal"};

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

// Runs the work for each profile whose browser is not running; a running one is named.
template <typename Work>
void ForFreeProfiles(TEraseFiles& item, Work work) {
  for (const TChromiumProfile& profile : FindChromiumProfiles()) {
    if (item.Engine) item.Engine->ProcessMessages();
    if (item.Cancelled()) return;
    if (ChromiumProfileInUse(profile)) {
      if (item.Engine) {
        item.Engine->RecordLeft(item, profile.Folder,
                                "the browser is running with this profile; close it first");
      }
      continue;
    }
    work(profile);
  }
}

// Removes the rows inside the database when it exists; records what went or why nothing did.
void ClearRows(TEraseFiles& item, const std::string& database, const std::string& requiredTable,
               const std::vector<TRowSelection>& rows, const char* noun) {
  if (!IsFile(database)) return;
  const bool preview = item.Engine && item.Engine->Preview;
  const TRowsCleared cleared = ClearSqliteRows(database, requiredTable, rows, preview,
                                               std::string("holds no ") + noun + "; left as it is");
  if (!item.Engine) return;
  if (!cleared.Ok) {
    item.Engine->RecordLeft(
        item, database,
        "the " + std::string(noun) + " could not be removed (" + cleared.Error + ")");
  } else if (cleared.Rows > 0) {
    item.Engine->RecordRemoved(item, database + ": " + std::to_string(cleared.Rows) + " " + noun);
  }
  if (!cleared.Note.empty()) item.Engine->Notes.push_back({item.Name, database, 0, cleared.Note});
}

// SQL text of a list of texts: ('a', 'b''s').
std::string SqlList(const std::vector<std::string>& texts) {
  std::string list = "(";
  for (const std::string& text : texts) {
    if (list.size() > 1) list += ", ";
    list += '\'';
    for (char c : text) {
      list += c;
      if (c == '\'') list += '\'';
    }
    list += '\'';
  }
  return list + ")";
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
        item.Engine->RecordLeft(item, favicons,
                                "the icons of visited pages stay: the bookmarks, whose icons "
                                "must stay, could not be read");
      }
      return;
    }
    bookmarked = *addresses;
  }
  const std::string kept =
      "(SELECT icon_id FROM icon_mapping WHERE page_url IN " + SqlList(bookmarked) + ")";
  ClearRows(item, favicons, "icon_mapping",
            {{"icon_mapping", "page_url NOT IN " + SqlList(bookmarked)},
             {"favicon_bitmaps", "icon_id NOT IN " + kept},
             {"favicons", "id NOT IN " + kept}},
            "page icons");
}

}  // namespace

void ClearChromiumHistory(TEraseFiles& item) {
  ForFreeProfiles(item, [&](const TChromiumProfile& profile) {
    ClearRows(item, profile.Folder + "History", "urls", kHistoryRows, "history entries");
    ClearFavicons(item, profile);
    for (const char* name : kHistoryCopies) item.AddFile(profile.Folder + name);
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
    ClearRows(item, profile.Folder + "Web Data", "autofill", kFormRows, "form entries");
  });
}
