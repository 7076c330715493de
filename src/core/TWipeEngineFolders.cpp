// Wiping a folder with everything in it.

#include "core/Helpers.h"
#include "core/TWipeEngine.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Wildcard.h"

void TWipeEngine::WipeFolder(const TWipeItem& item) {
  WipeDirectory(item.Path, "*.*", true, false);
}

bool TWipeEngine::WipeDirectory(const std::string& folder, const std::string& mask, bool recurse,
                                bool keepFolders) {
  platform::FileSystem& files = platform::fs();
  // Only a full path is ever walked.
  if (!platform::isAbsolutePath(folder)) {
    Fail(folder, TWipeFailureReason::FolderNotRemoved);
    return false;
  }
  // Asked without the final separator, so that a link to a folder shows as a link: it is removed
  // as a link and never walked.
  std::string own = RemoveTrailingBackslash(folder);
  if (own.empty()) own = folder;
  const auto info = files.info(own);
  if (info && info->kind == platform::EntryKind::Link) return RemoveLink(own);

  const std::string base = AddTrailingBackslash(own);
  // Files first (links and other entries that are not folders included), in listing order.
  if (const auto entries = files.listFolder(base)) {
    for (const platform::DirEntry& entry : *entries) {
      if (entry.isFolder() || !platform::matchesMask(entry.name, mask)) continue;
      WipeFile(TWipeItem(wkFile, base + entry.name));
      ProcessMessages();
      if (Aborted) return true;
    }
  }
  // Then the subfolders, depth first, each removed once it is empty.
  if (recurse) {
    if (const auto entries = files.listFolder(base)) {
      for (const platform::DirEntry& entry : *entries) {
        ProcessMessages();
        if (Aborted) return true;
        if (!entry.isFolder()) continue;
        const std::string sub = base + entry.name;
        WipeDirectory(sub, mask, recurse, false);
        // Usually already removed by its own walk; a second try changes nothing.
        if (!keepFolders) files.removeFolder(sub);
      }
    }
  }
  if (keepFolders) return true;
  if (files.removeFolder(own)) return true;
  Fail(folder, TWipeFailureReason::FolderNotRemoved);
  return false;
}
