// Well-known folders on Linux: the temporary folder is $TMPDIR, else /tmp/; the configuration,
// data and cache folders are $XDG_CONFIG_HOME, $XDG_DATA_HOME and $XDG_CACHE_HOME, else
// ~/.config/, ~/.local/share/ and ~/.cache/; the home folder is $HOME, else the user's entry in
// the password database.

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/Folders.h"
#include "platform/PathText.h"

namespace platform {
namespace {

std::string programFolderOverride;
std::string tempFolderOverride;
std::string configFolderOverride;
std::string homeFolderOverride;
std::string dataFolderOverride;
std::string cacheFolderOverride;

// The folder with the links on its way resolved, so that what is later reached through it without
// following links is what the user's setting names; as given when it cannot be resolved.
std::string resolvedFolder(const std::string& folder) {
  char* resolved = ::realpath(folder.c_str(), nullptr);
  if (!resolved) return folder;
  std::string path = resolved;
  std::free(resolved);
  return withTrailingSeparator(path);
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// A folder named by an XDG variable when it holds an absolute path, else the given folder below
// the home folder.
std::string xdgFolder(const char* variable, const char* belowHome) {
  std::string folder = environment(variable);
  if (isAbsolutePath(folder)) return resolvedFolder(withTrailingSeparator(folder));
  std::string home = homeFolder();
  return home.empty() ? std::string() : home + belowHome;
}

}  // namespace

std::string programPath() {
  std::string buffer(4096, '\0');
  ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return {};
  buffer.resize(static_cast<std::size_t>(n));
  return buffer;
}

std::string programFolder() {
  if (!programFolderOverride.empty()) return programFolderOverride;
  return folderPartOf(programPath());
}

std::string tempFolder() {
  if (!tempFolderOverride.empty()) return tempFolderOverride;
  std::string folder = environment("TMPDIR");
  if (!isAbsolutePath(folder)) folder = "/tmp";
  return resolvedFolder(withTrailingSeparator(folder));
}

std::string homeFolder() {
  if (!homeFolderOverride.empty()) return homeFolderOverride;
  std::string home = environment("HOME");
  if (isAbsolutePath(home)) return resolvedFolder(withTrailingSeparator(home));
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
    std::string dir = entry->pw_dir;
    if (isAbsolutePath(dir)) return resolvedFolder(withTrailingSeparator(dir));
  }
  return {};
}

std::string configFolder() {
  if (!configFolderOverride.empty()) return configFolderOverride;
  return xdgFolder("XDG_CONFIG_HOME", ".config/");
}

std::string dataFolder() {
  if (!dataFolderOverride.empty()) return dataFolderOverride;
  return xdgFolder("XDG_DATA_HOME", ".local/share/");
}

std::string cacheFolder() {
  if (!cacheFolderOverride.empty()) return cacheFolderOverride;
  return xdgFolder("XDG_CACHE_HOME", ".cache/");
}

std::string setProgramFolder(std::string folder) {
  return std::exchange(programFolderOverride, withTrailingSeparator(folder));
}
std::string setTempFolder(std::string folder) {
  return std::exchange(tempFolderOverride, withTrailingSeparator(folder));
}
std::string setConfigFolder(std::string folder) {
  return std::exchange(configFolderOverride, withTrailingSeparator(folder));
}
std::string setHomeFolder(std::string folder) {
  return std::exchange(homeFolderOverride, withTrailingSeparator(folder));
}
std::string setDataFolder(std::string folder) {
  return std::exchange(dataFolderOverride, withTrailingSeparator(folder));
}
std::string setCacheFolder(std::string folder) {
  return std::exchange(cacheFolderOverride, withTrailingSeparator(folder));
}

std::string currentFolder() {
  std::string buffer(4096, '\0');
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() >= (1u << 20)) return {};
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(std::char_traits<char>::length(buffer.c_str()));
  return isAbsolutePath(buffer) ? withTrailingSeparator(buffer) : std::string();
}

bool isAbsolutePath(const std::string& path) {
  return !path.empty() && path[0] == '/';
}

std::string withoutLinksAbove(const std::string& path) {
  if (!isAbsolutePath(path)) return path;
  std::string own = path;
  while (own.size() > 1 && own.back() == '/') own.pop_back();
  const auto separator = own.rfind('/');
  if (separator == 0 || separator == std::string::npos) return path;
  const std::string folder = resolvedFolder(own.substr(0, separator + 1));
  return folder + own.substr(separator + 1);
}

}  // namespace platform
