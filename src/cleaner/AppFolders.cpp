#include "cleaner/AppFolders.h"

#include "core/Helpers.h"
#include "platform/Folders.h"
#include "platform/Processes.h"

std::string SnapRevisionFolder(const std::string& snap) {
  const std::string home = platform::homeFolder();
  if (home.empty()) return {};
  const std::string base = AddTrailingBackslash(home) + "snap/" + snap + "/";
  const auto revision = platform::linkTarget(base + "current");
  if (!revision || revision->empty() || revision->find('/') != std::string::npos ||
      *revision == "." || *revision == "..") {
    return {};
  }
  return base + *revision + "/";
}

std::string FlatpakFolder(const std::string& applicationId) {
  const std::string home = platform::homeFolder();
  if (home.empty()) return {};
  return AddTrailingBackslash(home) + ".var/app/" + applicationId + "/";
}
