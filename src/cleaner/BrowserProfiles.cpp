#include "cleaner/BrowserProfiles.h"

#include <algorithm>
#include <cstdlib>

#include "cleaner/CleanerEnvironment.h"
#include "cleaner/TracePaths.h"
#include "core/Helpers.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/Processes.h"

namespace {

constexpr std::uint64_t kMaxProfilesIni = 1u << 20;

// A folder where profiles are kept, and the folder where their caches are (both with a
// trailing separator; the cache folder empty when unknown).
struct InstallFolder {
  std::string profiles;
  std::string caches;
};

std::vector<InstallFolder> MozillaInstallFolders() {
  const std::string home = platform::homeFolder();
  const std::string config = platform::configFolder();
  const std::string cache = platform::cacheFolder();
  const std::string snapFirefox = Joined(home, "snap/firefox/common/");
  const std::string snapThunderbird = Joined(home, "snap/thunderbird/common/");
  const std::string flatFirefox = Joined(home, ".var/app/org.mozilla.firefox/");
  const std::string flatThunderbird = Joined(home, ".var/app/org.mozilla.Thunderbird/");
  std::vector<InstallFolder> folders = {
      {Joined(home, ".mozilla/firefox/"), Joined(cache, "mozilla/firefox/")},
      {Joined(config, "mozilla/firefox/"), Joined(cache, "mozilla/firefox/")},
      {Joined(home, ".thunderbird/"), Joined(cache, "thunderbird/")},
      {Joined(snapFirefox, ".mozilla/firefox/"), Joined(snapFirefox, ".cache/mozilla/firefox/")},
      {Joined(snapThunderbird, ".thunderbird/"), Joined(snapThunderbird, ".cache/thunderbird/")},
      {Joined(flatFirefox, ".mozilla/firefox/"), Joined(flatFirefox, "cache/mozilla/firefox/")},
      {Joined(flatThunderbird, ".thunderbird/"), Joined(flatThunderbird, "cache/thunderbird/")},
  };
  std::erase_if(folders, [](const InstallFolder& folder) { return folder.profiles.empty(); });
  return folders;
}

std::string TrimmedLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.remove_suffix(1);
  }
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return std::string(line);
}

// The process number of a lock link's text ("<host>:+<number>" or "<host>-<number>").
long LockProcess(const std::string& text) {
  const std::size_t at = text.find_last_of("+-");
  if (at == std::string::npos || at + 1 >= text.size()) return 0;
  const std::string digits = text.substr(at + 1);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return 0;
  }
  return digits.size() > 9 ? 0 : std::atol(digits.c_str());
}

}  // namespace

std::vector<std::string> ProfilesListedIn(const std::string& iniText, const std::string& base) {
  struct Listed {
    std::string path;
    bool relative = true;
  };
  std::vector<Listed> listed;
  bool inProfile = false;
  std::size_t start = 0;
  while (start < iniText.size()) {
    std::size_t end = iniText.find('\n', start);
    if (end == std::string::npos) end = iniText.size();
    const std::string line = TrimmedLine(std::string_view(iniText).substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      inProfile = line.rfind("[Profile", 0) == 0;
      if (inProfile) listed.emplace_back();
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inProfile || equals == std::string::npos) continue;
    const std::string key = TrimmedLine(std::string_view(line).substr(0, equals));
    const std::string value = TrimmedLine(std::string_view(line).substr(equals + 1));
    if (key == "Path") listed.back().path = value;
    if (key == "IsRelative") listed.back().relative = value != "0";
  }
  std::vector<std::string> folders;
  for (const Listed& profile : listed) {
    if (profile.path.empty()) continue;
    // A relative path never climbs out of the install folder.
    if (profile.relative &&
        (profile.path.find("..") != std::string::npos || profile.path[0] == '/')) {
      continue;
    }
    const std::string folder = profile.relative ? base + profile.path : profile.path;
    if (platform::isAbsolutePath(folder)) folders.push_back(AddTrailingBackslash(folder));
  }
  return folders;
}

std::vector<std::string> FindMozillaInstallFolders() {
  std::vector<std::string> found;
  for (const InstallFolder& install : MozillaInstallFolders()) {
    if (IsFolder(install.profiles)) found.push_back(install.profiles);
  }
  return found;
}

std::vector<TBrowserProfile> FindMozillaProfiles() {
  std::vector<TBrowserProfile> profiles;
  auto add = [&](const InstallFolder& install, const std::string& folder) {
    if (!IsFolder(folder)) return;
    for (const TBrowserProfile& known : profiles) {
      if (known.Folder == folder) return;
    }
    TBrowserProfile profile{folder, {}};
    // The cache of a profile inside the install folder lies at the same place below the caches.
    if (!install.caches.empty() && folder.rfind(install.profiles, 0) == 0) {
      profile.Cache = install.caches + folder.substr(install.profiles.size());
    }
    profiles.push_back(std::move(profile));
  };
  for (const InstallFolder& install : MozillaInstallFolders()) {
    if (!IsFolder(install.profiles)) continue;
    if (auto text = platform::fs().readFile(install.profiles + "profiles.ini", kMaxProfilesIni)) {
      for (const std::string& folder : ProfilesListedIn(*text, install.profiles))
        add(install, folder);
    }
    auto entries = platform::fs().listFolder(install.profiles);
    if (!entries) continue;
    for (const platform::DirEntry& entry : *entries) {
      const std::string folder = install.profiles + entry.name + platform::kSeparator;
      if (entry.isFolder() && IsFile(folder + "prefs.js")) add(install, folder);
    }
  }
  return profiles;
}

std::vector<TBrowserProfile> FindOperaProfiles() {
  std::vector<TBrowserProfile> profiles;
  const std::string config = Joined(platform::configFolder(), "opera/");
  if (!config.empty() && IsFolder(config) &&
      (IsFile(config + "Preferences") || IsFile(config + "Local State"))) {
    profiles.push_back({config, Joined(platform::cacheFolder(), "opera/")});
  }
  const std::string old = Joined(platform::homeFolder(), ".opera/");
  if (!old.empty() && IsFile(old + "operaprefs.ini")) profiles.push_back({old, {}});
  return profiles;
}

bool ProfileInUse(const TBrowserProfile& profile) {
  const std::string& processes = CleanerEnvironment().ProcessFolder;
  for (const char* link : {"lock", "SingletonLock"}) {
    if (auto target = platform::linkTarget(profile.Folder + link)) {
      if (platform::processRuns(processes, LockProcess(*target))) return true;
    }
  }
  return platform::lockedByOther(profile.Folder + ".parentlock");
}
