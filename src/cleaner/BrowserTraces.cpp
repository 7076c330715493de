#include "cleaner/BrowserTraces.h"

#include "cleaner/BrowserProfiles.h"
#include "cleaner/CleanerEnvironment.h"
#include "cleaner/PlacesHistory.h"
#include "cleaner/TCustomEraserEngine.h"
#include "core/Helpers.h"
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
                                "the browser is running with this profile; close it first");
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
    if (!info || info->kind != platform::EntryKind::File) return;
    const TPlacesHistory history = ClearPlacesHistory(places, preview);
    if (!item.Engine) return;
    if (!history.Ok) {
      item.Engine->RecordLeft(item, places,
                              "the history could not be removed (" + history.Error + ")");
    } else if (history.Visits + history.Pages > 0) {
      item.Engine->RecordRemoved(item, places + ": " + std::to_string(history.Visits) +
                                           " visits, " + std::to_string(history.Pages) + " pages");
    }
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
