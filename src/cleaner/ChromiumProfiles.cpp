#include "cleaner/ChromiumProfiles.h"

#include <algorithm>
#include <optional>

#include "cleaner/AppFolders.h"
#include "cleaner/BrowserProfiles.h"
#include "cleaner/JsonReader.h"
#include "cleaner/TracePaths.h"
#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/Processes.h"

namespace {

constexpr std::uint64_t kMaxLocalState = 16u << 20;

// One install of a browser: its user data folder and the folder of its caches, relative to the
// home folder (empty cache: none known).
struct Install {
  const char* browser;
  std::string userData;
  std::string caches;
};

// The browsers' own folder names below the configuration and cache folders, with the snap and
// flatpak names of the same browser.
struct Browser {
  const char* folder;   // below ~/.config and ~/.cache
  const char* snap;     // snap name; nullptr when none
  bool snapInCommon;    // the snap keeps its data in ~/snap/<name>/common/<folder>
  const char* flatpak;  // flatpak application id; nullptr when none
};

constexpr Browser kBrowsers[] = {
    {"google-chrome", nullptr, false, "com.google.Chrome"},
    {"google-chrome-beta", nullptr, false, nullptr},
    {"google-chrome-unstable", nullptr, false, nullptr},
    {"chromium", "chromium", true, "org.chromium.Chromium"},
    {"BraveSoftware/Brave-Browser", "brave", false, "com.brave.Browser"},
    {"BraveSoftware/Brave-Browser-Beta", nullptr, false, nullptr},
    {"microsoft-edge", nullptr, false, "com.microsoft.Edge"},
    {"microsoft-edge-beta", nullptr, false, nullptr},
    {"microsoft-edge-dev", nullptr, false, nullptr},
    {"vivaldi", "vivaldi", false, "com.vivaldi.Vivaldi"},
    {"vivaldi-snapshot", nullptr, false, nullptr},
    {"opera", "opera", false, "com.opera.Opera"},
    {"opera-beta", nullptr, false, nullptr},
    {"opera-developer", nullptr, false, nullptr},
};

std::vector<Install> Installs() {
  const std::string home = platform::homeFolder();
  const std::string config = platform::configFolder();
  const std::string cache = platform::cacheFolder();
  std::vector<Install> installs;
  for (const Browser& browser : kBrowsers) {
    const std::string name = browser.folder;
    installs.push_back({browser.folder, Joined(config, name + "/"), Joined(cache, name + "/")});
    if (browser.snap) {
      const std::string snapHome =
          browser.snapInCommon ? Joined(home, std::string("snap/") + browser.snap + "/common/")
                               : SnapRevisionFolder(browser.snap);
      if (!snapHome.empty()) {
        installs.push_back({browser.folder,
                            snapHome + (browser.snapInCommon ? "" : ".config/") + name + "/",
                            snapHome + ".cache/" + name + "/"});
      }
    }
    if (browser.flatpak) {
      const std::string app = FlatpakFolder(browser.flatpak);
      if (!app.empty()) {
        installs.push_back(
            {browser.folder, app + "config/" + name + "/", app + "cache/" + name + "/"});
      }
    }
  }
  std::erase_if(installs, [](const Install& install) { return install.userData.empty(); });
  return installs;
}

// A profile's folder name as Local State lists it: one plain folder name of the user data
// folder, never a way out of it ("..", "a/b", an absolute path) nor the folder itself (".").
bool IsPlainFolderName(const std::string& name) {
  return !name.empty() && name != "." && name.find("..") == std::string::npos &&
         name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}

// The folders of the user data folder that hold a profile's settings: what the browser made its
// profiles, when Local State cannot tell.
std::vector<std::string> ProfileFoldersIn(const std::string& userData) {
  std::vector<std::string> names;
  auto entries = platform::fs().listFolder(userData);
  if (!entries) return names;
  for (const platform::DirEntry& entry : *entries) {
    if (entry.isFolder() && IsPlainFolderName(entry.name) &&
        IsFile(userData + entry.name + "/Preferences")) {
      names.push_back(entry.name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::vector<std::string> ProfilesInLocalState(const std::string& json) {
  std::vector<std::string> profiles;
  try {
    JsonReader reader(json);
    if (!reader.EnterMember("profile") || !reader.EnterMember("info_cache")) return profiles;
    for (std::string& name : reader.MemberNames()) {
      if (IsPlainFolderName(name)) profiles.push_back(std::move(name));
    }
  } catch (const std::exception&) {
    // Out of memory: the names read before stand.
  }
  return profiles;
}

std::vector<TChromiumProfile> FindChromiumProfiles(std::vector<TUnreadFile>* unreadable) {
  std::vector<TChromiumProfile> profiles;
  auto add = [&](const Install& install, const std::string& relative) {
    const std::string folder = install.userData + relative;
    if (!IsFolder(folder)) return;
    for (const TChromiumProfile& known : profiles) {
      if (known.Folder == folder) return;
    }
    profiles.push_back({install.browser, install.userData, folder,
                        install.caches.empty() ? std::string() : install.caches + relative});
  };
  for (const Install& install : Installs()) {
    if (!IsFolder(install.userData)) continue;
    // Opera's user data folder is its profile.
    if (IsFile(install.userData + "History") || IsFile(install.userData + "Preferences")) {
      add(install, "");
    }
    const std::string localState = install.userData + "Local State";
    const auto state = platform::fs().readFile(localState, kMaxLocalState);
    std::vector<std::string> listed;
    if (state && IsJsonDocument(*state)) {
      listed = ProfilesInLocalState(*state);
    } else if (state || state.error() != std::errc::no_such_file_or_directory) {
      // Local State is there but cannot be read: no profile is passed over on that account.
      if (unreadable) {
        unreadable->push_back(
            {localState,
             state ? std::string(Tr("it is not JSON that can be read"))
                   : Substituted(Tr("it could not be read ({})"), {state.error().message()})});
      }
      listed = ProfileFoldersIn(install.userData);
    }
    // A browser that has not listed its profiles yet keeps its first one in "Default".
    if (listed.empty()) listed = {"Default"};
    for (const std::string& name : listed) add(install, name + "/");
  }
  return profiles;
}

std::optional<std::vector<std::string>> BookmarkedAddresses(const std::string& json) {
  return JsonStringMembers(json, "url");
}

bool ChromiumProfileInUse(const TChromiumProfile& profile) {
  return ProfileInUse(TBrowserProfile{profile.UserData, {}});
}
