#pragma once
// Where the Chromium-family browsers (Chrome, Chromium, Brave, Edge, Vivaldi, Opera) keep their
// profiles on this system, for the ordinary, snap and flatpak installs.
//
// Layout (checked against Chrome 120, Chromium 120 (deb and snap), Brave 1.61, Edge 120,
// Vivaldi 6.5 and Opera 105 on Linux):
//   <user data folder>/Local State        JSON; "profile" -> "info_cache" has one member per
//                                         profile, named after its folder ("Default",
//                                         "Profile 1", ...)
//   <user data folder>/SingletonLock      link "<host>-<process>" while the browser runs
//   <user data folder>/<profile>/History, Cookies (newer: Network/Cookies), Web Data,
//                                         Bookmarks (JSON), Preferences
//   <cache folder>/<profile>/Cache, Code Cache
// Opera keeps its only profile in the user data folder itself (~/.config/opera/History).

#include <optional>
#include <string>
#include <vector>

// A file the search for profiles could not read, and why.
struct TUnreadFile {
  std::string Path;
  std::string Reason;
};

struct TChromiumProfile {
  std::string Browser;   // the install's name, e.g. "google-chrome"
  std::string UserData;  // the user data folder, with trailing separator (holds SingletonLock)
  std::string Folder;    // the profile folder, with trailing separator
  std::string Cache;     // the profile's folder below the caches, with separator; may be empty
};

// Every profile of every install that exists, each once: the profiles Local State lists whose
// folders exist, and a user data folder that is itself a profile (Opera's). Without a Local
// State, or with one that lists none, the "Default" folder counts when it exists. A Local State
// that cannot be read is named in `unreadable`, and every folder of the user data folder that
// holds a profile's Preferences counts instead, so that none is passed over. A profile folder
// that is a link is never taken.
std::vector<TChromiumProfile> FindChromiumProfiles(std::vector<TUnreadFile>* unreadable = nullptr);

// The profile folder names that a Local State text lists, in the order written (up to a fault
// of the text). Only plain folder names count: "", ".", a name holding ".." or a separator
// (which would leave the user data folder, or be an absolute path) is left out.
std::vector<std::string> ProfilesInLocalState(const std::string& json);

// Every address that a Bookmarks text (JSON: "roots" with folders of "children", each bookmark
// with its "url") holds, in the order written; null when the text is not JSON.
std::optional<std::vector<std::string>> BookmarkedAddresses(const std::string& json);

// True when a browser is running with the profile's user data folder.
bool ChromiumProfileInUse(const TChromiumProfile& profile);
