#include "cleaner/BrowserTraces.h"

#include "cleaner/CleanerEnvironment.h"
#include "core/Helpers.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

namespace {

constexpr const char* kTypedUrlsKey = "Software\\Microsoft\\Internet Explorer\\TypedURLs";

std::vector<std::string> ProfilesBelow(TEraseFiles& item, const std::string& browserFolder,
                                       const std::string& markerFile) {
  const std::string appData = GetSpecialFolder(sfAppData);
  if (appData.empty()) return {};
  return FindProfiles(item, AddTrailingBackslash(AddTrailingBackslash(appData) + browserFolder),
                      markerFile);
}

}  // namespace

std::vector<std::string> FindProfiles(TEraseFiles& item, const std::string& baseFolder,
                                      const std::string& markerFile) {
  std::vector<std::string> markers;
  item.CollectFiles(baseFolder, markerFile, &markers, true);
  std::vector<std::string> profiles;
  for (const std::string& marker : markers) {
    profiles.push_back(platform::folderPartOf(marker));
  }
  return profiles;
}

std::vector<std::string> MozillaProfiles(TEraseFiles& item) {
  return ProfilesBelow(item, "Mozilla", "prefs.js");
}

std::vector<std::string> OperaProfiles(TEraseFiles& item) {
  return ProfilesBelow(item, "Opera", "opera6.ini");
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
    for (const std::string& name : *values) item.AddValue(platform::kCurrentUser, kTypedUrlsKey, name);
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
