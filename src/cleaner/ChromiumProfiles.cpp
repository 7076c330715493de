#include "cleaner/ChromiumProfiles.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "cleaner/AppFolders.h"
#include "cleaner/BrowserProfiles.h"
#include "cleaner/TracePaths.h"
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
          auto code = Hex4();
          if (!code) return std::nullopt;
          // A pair of surrogates stands for one character beyond the first plane.
          if (*code >= 0xD800 && *code < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            at_ += 2;
            const auto low = Hex4();
            if (!low || *low < 0xDC00 || *low > 0xDFFF) return std::nullopt;
            code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
          }
          AppendUtf8(value, *code);
          break;
        }
        default:
          value += e;
      }
    }
    return std::nullopt;
  }
  // Called with each member whose value is a string, at any depth, by SkipValue.
  using MemberVisit = std::function<void(const std::string& name, const std::string& value)>;

  // Skips one value of any kind. False on text that is not JSON.
  bool SkipValue(int depth = 0, const MemberVisit& visit = {}) {
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
        std::optional<std::string> name;
        if (c == '{' && (!(name = String()) || !Take(':'))) return false;
        if (name && visit && Peek('"')) {
          const auto value = String();
          if (!value) return false;
          visit(*name, *value);
          continue;
        }
        if (!SkipValue(depth + 1, visit)) return false;
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
  std::optional<unsigned long> Hex4() {
    if (at_ + 4 > text_.size()) return std::nullopt;
    unsigned long code = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = text_[at_++];
      code <<= 4;
      if (h >= '0' && h <= '9') {
        code |= static_cast<unsigned long>(h - '0');
      } else if ((h | 0x20) >= 'a' && (h | 0x20) <= 'f') {
        code |= static_cast<unsigned long>((h | 0x20) - 'a' + 10);
      } else {
        return std::nullopt;
      }
    }
    return code;
  }
  static void AppendUtf8(std::string& text, unsigned long code) {
    if (code < 0x80) {
      text += static_cast<char>(code);
    } else if (code < 0x800) {
      text += static_cast<char>(0xC0 | (code >> 6));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      text += static_cast<char>(0xE0 | (code >> 12));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      text += static_cast<char>(0xF0 | (code >> 18));
      text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (code & 0x3F));
    }
  }

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
    // Out of memory: the names read before stand.
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

std::optional<std::vector<std::string>> BookmarkedAddresses(const std::string& json) {
  std::vector<std::string> addresses;
  JsonReader reader(json);
  const bool read = reader.SkipValue(0, [&](const std::string& name, const std::string& value) {
    if (name == "url") addresses.push_back(value);
  });
  if (!read) return std::nullopt;
  reader.SkipSpace();
  return addresses;
}

bool ChromiumProfileInUse(const TChromiumProfile& profile) {
  return ProfileInUse(TBrowserProfile{profile.UserData, {}});
}
