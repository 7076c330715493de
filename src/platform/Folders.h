#pragma once
// Well-known folders of the running program and of the user. Every result that names a folder
// ends in the platform's separator, or is empty when the platform has no such folder. Tests set
// their own program, temporary and configuration folders so that they never work in real ones.

#include <string>

namespace platform {

// The path separator of this platform.
inline constexpr char kSeparator = '/';
// The line break that new text files get on this platform.
inline constexpr const char* kLineBreak = "\n";

// The folder of the running program file.
std::string programFolder();
// The full path of the running program file.
std::string programPath();
// The user's temporary folder ($TMPDIR, else /tmp/).
std::string tempFolder();
// The user's configuration folder ($XDG_CONFIG_HOME, else ~/.config/).
std::string configFolder();
// The user's home folder, empty when unknown.
std::string homeFolder();
// The user's data folder ($XDG_DATA_HOME, else ~/.local/share/), empty when unknown.
std::string dataFolder();
// The user's cache folder ($XDG_CACHE_HOME, else ~/.cache/), empty when unknown.
std::string cacheFolder();

// Overrides for tests; an empty text restores the real folder.
void setProgramFolder(const std::string& folder);
void setTempFolder(const std::string& folder);
void setConfigFolder(const std::string& folder);
// Each returns the override it replaces (empty for none), so that a test puts back exactly what
// was there.
std::string setHomeFolder(const std::string& folder);
std::string setDataFolder(const std::string& folder);
std::string setCacheFolder(const std::string& folder);

// The current folder of the program, with trailing separator; empty when it cannot be named.
std::string currentFolder();

// True when the path is absolute (starts at the root of the file system).
bool isAbsolutePath(const std::string& path);

}  // namespace platform
