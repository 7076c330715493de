#include "core/StaleScratchFolders.h"

#include <optional>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Journal.h"

namespace {

bool OwnAndStill(const platform::FileInfo& info, std::int64_t before) {
  return info.ownedByCaller && info.changed <= before;
}

// The files of the open scratch folder when all it holds are the program's own scratch files,
// none of them changed lately; none otherwise. A mount point in it is named in `left`.
std::optional<std::vector<platform::DirEntry>> ScratchFiles(platform::Folder& scratch,
                                                            std::int64_t before,
                                                            std::vector<TScratchFolderLeft>* left) {
  const auto self = scratch.info();
  if (!self || !OwnAndStill(*self, before)) return std::nullopt;
  auto entries = scratch.list();
  if (!entries) return std::nullopt;
  for (const platform::DirEntry& entry : *entries) {
    if (scratch.mountedAt(entry.name, entry)) {
      if (left) left->push_back({scratch.pathOf(entry.name), platform::FileError::MountPoint});
      return std::nullopt;
    }
    if (entry.kind != platform::EntryKind::File || !platform::isScratchFileName(entry.name) ||
        entry.links != 1 || !OwnAndStill(entry, before)) {
      return std::nullopt;
    }
  }
  return std::move(*entries);
}

}  // namespace

std::size_t RemoveStaleScratchFolders(const std::string& path, std::chrono::nanoseconds age,
                                      std::vector<TScratchFolderLeft>* left) {
  return RemoveStaleScratchFolders(platform::fs(), path, age, left);
}

std::size_t RemoveStaleScratchFolders(platform::FileSystem& files, const std::string& path,
                                      std::chrono::nanoseconds age,
                                      std::vector<TScratchFolderLeft>* left) {
  const std::int64_t before = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::system_clock::now().time_since_epoch() - age)
                                  .count();
  auto folder = files.openFolder(path);
  if (!folder) return 0;
  const auto entries = folder->list();
  if (!entries) return 0;
  std::size_t removed = 0;
  for (const platform::DirEntry& entry : *entries) {
    if (!entry.isFolder() || !platform::isScratchFolderName(entry.name) || !entry.ownedByCaller) {
      continue;
    }
    // Named as a scratch folder, but what is mounted there is another file system's.
    if (folder->mountedAt(entry.name, entry)) {
      if (left) left->push_back({folder->pathOf(entry.name), platform::FileError::MountPoint});
      continue;
    }
    auto scratch = folder->openFolder(entry.name, entry.id);
    if (!scratch) continue;
    const auto files = ScratchFiles(*scratch, before, left);
    if (!files) continue;
    std::error_code notEmptied;
    for (const platform::DirEntry& file : *files) {
      const platform::Status gone = scratch->removeFile(file.name);
      if (!gone && !notEmptied) notEmptied = gone.error();
    }
    scratch.reset();
    const std::string scratchPath = folder->pathOf(entry.name);
    if (notEmptied) {
      if (left) left->push_back({scratchPath, notEmptied});
      continue;
    }
    // Only the folder that was emptied: anything put in its place stays.
    const auto now = folder->entry(entry.name);
    if (!now || !now->isFolder() || now->id != entry.id) continue;
    if (const platform::Status gone = folder->removeFolder(entry.name); gone) {
      ++removed;
    } else if (left) {
      left->push_back({scratchPath, gone.error()});
    }
  }
  return removed;
}
