#include "core/QueuedPaths.h"

#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

TQueuedPaths SortQueuedPaths(const std::vector<std::string>& paths, const std::string& base) {
  TQueuedPaths sorted;
  for (const std::string& given : paths) {
    if (given.empty()) continue;
    std::string path = given;
    if (!platform::isAbsolutePath(path)) {
      if (base.empty() || !platform::isAbsolutePath(base)) {
        sorted.refused.push_back({given, Tr("not a full path")});
        continue;
      }
      path = AddTrailingBackslash(base) + path;
    }
    // Spelled without links on the way, as every path the user names (see withoutLinksAbove).
    path = platform::withoutLinksAbove(platform::trimSeparators(path));
    const auto info = platform::fs().info(path);
    if (!info) {
      sorted.refused.push_back({path, info.error().message()});
      continue;
    }
    switch (info->kind) {
      case platform::EntryKind::Folder:
        sorted.folders.push_back(path);
        break;
      case platform::EntryKind::File:
      case platform::EntryKind::Link:
        sorted.files.push_back(path);
        break;
      case platform::EntryKind::Other:
        sorted.refused.push_back({path, Tr("not a file or folder")});
        break;
    }
  }
  return sorted;
}
