#include "cleaner/ChromiumProfiles.h"

#include <cstddef>
#include <optional>
#include <string_view>

#include "cleaner/AppFolders.h"
#include "cleaner/BrowserProfiles.h"
#include "core/Helpers.h"
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

bool IsFolder(const std::string& path) {
  auto info = platform::fs().info(path);
  return info && info->isFolder();
}

bool IsFile(const std::string& path) {
  auto info = platform::fs().info(path);
  return info && info->kind == platform::EntryKind::File;
}

std::string Joined(const std::string& base, const std::string& relative) {
  if (base.empty()) return {};
  return AddTrailingBackslash(base) + relative;
}

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

// A small reader of JSON text: enough to walk objects and skip every value.
class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  void SkipSpace() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) {
      ++at_;
    }
  }
  bool Take(char c) {
    SkipSpace();
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }
  bool Peek(char c) {
    SkipSpace();
    return at_ < text_.size() && text_[at_] == c;
  }
  // A string, with its escapes decoded (\u escapes of ASCII only; others become '?').
  std::optional<std::string> String() {
    if (!Take('"')) return std::nullopt;
    std::string value;
    while (at_ < text_.size()) {
      const char c = text_[at_++];
      if (c == '"') return value;
      if (c != '\\') {
        value += c;
        continue;
      }
      if (at_ >= text_.size()) return std::nullopt;
      const char e = text_[at_++];
      switch (e) {
        case 'n':
          value += '\n';
          break;
        case 't':
          value += '\t';
          break;
        case 'r':
          value += '\r';
          break;
        case 'b':
          value += '\b';
          break;
        case 'f':
          value += '\f';
          break;
        case 'u': {
          if (at_ + 4 > text_.size()) return std::nullopt;
          const unsigned long code = std::stoul(std::string(text_.substr(at_, 4)), nullptr, 16);
          at_ += 4;
          value += code < 0x80 ? static_cast<char>(code) : '?';
          break;
        }
        default:
          value += e;
      }
    }
    return std::nullopt;
  }
  // Skips one value of any kind. False on text that is not JSON.
  bool SkipValue(int depth = 0) {
    if (depth > 64) return false;
    SkipSpace();
    if (at_ >= text_.size()) return false;
    const char c = text_[at_];
    if (c == '"') return String().has_value();
    if (c == '{' || c == '[') {
      const char close = c == '{' ? '}' : ']';
      ++at_;
      if (Take(close)) return true;
      do {
        if (c == '{' && (!String() || !Take(':'))) return false;
        if (!SkipValue(depth + 1)) return false;
      } while (Take(','));
      return Take(close);
    }
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '}' && text_[at_] != ']' &&
           text_[at_] != ' ' && text_[at_] != '\n' && text_[at_] != '\r' && text_[at_] != '\t') {
      ++at_;
    }
    return at_ > start;
  }
  // Enters the member `key` of the object that starts here (the reader then stands at its
  // value). False when the object has no such member or is not JSON.
  bool EnterMember(const std::string& key) {
    if (!Take('{')) return false;
    if (Peek('}')) return false;
    do {
      const auto name = String();
      if (!name || !Take(':')) return false;
      if (*name == key) return true;
      if (!SkipValue()) return false;
    } while (Take(','));
    return false;
  }
  // The member names of the object that starts here.
  std::vector<std::string> MemberNames() {
    std::vector<std::string> names;
    if (!Take('{') || Take('}')) return names;
    do {
      const auto name = String();
      if (!name || !Take(':') || !SkipValue()) return names;
      names.push_back(*name);
    } while (Take(','));
    return names;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<std::string> ProfilesInLocalState(const std::string& json) {
  std::vector<std::string> profiles;
  try {
    JsonReader reader(json);
    if (!reader.EnterMember("profile") || !reader.EnterMember("info_cache")) return profiles;
    for (std::string& name : reader.MemberNames()) {
      if (name.empty() || name == "." || name.find("..") != std::string::npos ||
          name.find('/') != std::string::npos || name.find('\0') != std::string::npos) {
        continue;
      }
      profiles.push_back(std::move(name));
    }
  } catch (const std::exception&) {
    // A malformed escape: the names read before it stand.
  }
  return profiles;
}

std::vector<TChromiumProfile> FindChromiumProfiles() {
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
    const auto state = platform::fs().readFile(install.userData + "Local State", kMaxLocalState);
    std::vector<std::string> listed;
    if (state) listed = ProfilesInLocalState(*state);
    if (!state || listed.empty()) listed = {"Default"};
    for (const std::string& name : listed) add(install, name + "/");
  }
  return profiles;
}

bool ChromiumProfileInUse(const TChromiumProfile& profile) {
  return ProfileInUse(TBrowserProfile{profile.UserData, {}});
}
