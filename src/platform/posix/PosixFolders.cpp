// Well-known folders on Linux.

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include "platform/Folders.h"

namespace platform {
namespace {

std::string programFolderOverride;
std::string tempFolderOverride;
std::string configFolderOverride;
std::string homeFolderOverride;
std::string dataFolderOverride;
std::string cacheFolderOverride;

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != kSeparator) folder += kSeparator;
  return folder;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// A folder named by an XDG variable when it holds an absolute path, else the given folder below
// the home folder.
std::string xdgFolder(const char* variable, const char* belowHome) {
  std::string folder = environment(variable);
  if (isAbsolutePath(folder)) return withSeparator(folder);
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
  std::string path = programPath();
  auto slash = path.rfind(kSeparator);
  if (slash == std::string::npos) return {};
  return path.substr(0, slash + 1);
}

std::string tempFolder() {
  if (!tempFolderOverride.empty()) return tempFolderOverride;
  std::string folder = environment("TMPDIR");
  if (!isAbsolutePath(folder)) folder = "/tmp";
  return withSeparator(folder);
}

std::string homeFolder() {
  if (!homeFolderOverride.empty()) return homeFolderOverride;
  std::string home = environment("HOME");
  if (isAbsolutePath(home)) return withSeparator(home);
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
    std::string dir = entry->pw_dir;
    if (isAbsolutePath(dir)) return withSeparator(dir);
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

void setProgramFolder(const std::string& folder) {
  programFolderOverride = withSeparator(folder);
}
void setTempFolder(const std::string& folder) {
  tempFolderOverride = withSeparator(folder);
}
void setConfigFolder(const std::string& folder) {
  configFolderOverride = withSeparator(folder);
}
std::string setHomeFolder(const std::string& folder) {
  return std::exchange(homeFolderOverride, withSeparator(folder));
}
std::string setDataFolder(const std::string& folder) {
  return std::exchange(dataFolderOverride, withSeparator(folder));
}
std::string setCacheFolder(const std::string& folder) {
  return std::exchange(cacheFolderOverride, withSeparator(folder));
}

std::string currentFolder() {
  std::string buffer(4096, '\0');
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE || buffer.size() >= (1u << 20)) return {};
    buffer.resize(buffer.size() * 2);
  }
  buffer.resize(std::char_traits<char>::length(buffer.c_str()));
  return isAbsolutePath(buffer) ? withSeparator(buffer) : std::string();
}

bool isAbsolutePath(const std::string& path) {
  return !path.empty() && path[0] == '/';
}

}  // namespace platform
