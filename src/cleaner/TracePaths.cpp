#include "cleaner/TracePaths.h"

#include "core/Helpers.h"
#include "platform/FileSystem.h"

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
