#pragma once
// Where the browsers keep their profiles on this system: the Firefox and Thunderbird profiles
// (of the ordinary, snap and flatpak installs, listed in profiles.ini or marked by prefs.js) and
// the Opera profile, each with the cache folder that belongs to it, and whether the browser is
// running with it right now.

#include <string>
#include <vector>

struct TBrowserProfile {
  std::string Folder;  // with trailing separator
  std::string Cache;   // the profile's folder below the user's cache folder; empty when none
};

// The folders of every Firefox and Thunderbird install that exist (where profiles.ini and
// "Crash Reports" are kept), with trailing separator.
std::vector<std::string> FindMozillaInstallFolders();
// The Firefox and Thunderbird profiles that exist, each once, in the order of their install
// folders and, within one, of profiles.ini (then the marked folders it does not list).
std::vector<TBrowserProfile> FindMozillaProfiles();
// The Opera profiles that exist: the configuration folder of the current Opera and the folder
// of the older one (marked by operaprefs.ini).
std::vector<TBrowserProfile> FindOperaProfiles();

// True when a browser holds the profile: its lock link names a process that runs, or another
// process holds the lock of its lock file.
bool ProfileInUse(const TBrowserProfile& profile);

// The profile folders named by the text of a profiles.ini (relative ones below `base`, which
// ends in a separator), in the order listed.
std::vector<std::string> ProfilesListedIn(const std::string& iniText, const std::string& base);
