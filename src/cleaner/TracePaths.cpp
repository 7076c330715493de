#include "cleaner/TracePaths.h"

#include "core/Helpers.h"
#include "platform/FileSystem.h"

bool IsFolder(const std::string& path) {
  // A final separator would make the system follow a link to its target: the name is looked at
  // without it, so that a link counts as a link.
  std::string name = path;
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  auto info = platform::fs().info(name);
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
