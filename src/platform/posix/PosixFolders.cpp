// Well-known folders on Linux.

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

#include "platform/Folders.h"

namespace platform {
namespace {

std::string programFolderOverride;
std::string tempFolderOverride;
std::string configFolderOverride;
std::string homeFolderOverride;

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != kSeparator) folder += kSeparator;
  return folder;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
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
  std::string folder = environment("XDG_CONFIG_HOME");
  if (isAbsolutePath(folder)) return withSeparator(folder);
  std::string home = homeFolder();
  return home.empty() ? std::string() : home + ".config/";
}

void setProgramFolder(const std::string& folder) { programFolderOverride = withSeparator(folder); }
void setTempFolder(const std::string& folder) { tempFolderOverride = withSeparator(folder); }
void setConfigFolder(const std::string& folder) { configFolderOverride = withSeparator(folder); }
std::string setHomeFolder(const std::string& folder) {
  return std::exchange(homeFolderOverride, withSeparator(folder));
}

bool isAbsolutePath(const std::string& path) { return !path.empty() && path[0] == '/'; }

}  // namespace platform
