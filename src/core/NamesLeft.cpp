#include "core/NamesLeft.h"

#include <algorithm>

#include "core/Helpers.h"
#include "core/OverwriteReach.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/FolderSize.h"

namespace {

bool OneOf(const std::string& fileSystem, std::initializer_list<const char*> kinds) {
  return std::any_of(kinds.begin(), kinds.end(),
                     [&](const char* kind) { return fileSystem == kind; });
}

std::string Shown(const std::string& root) {
  return root.size() > 1 ? RemoveTrailingBackslash(root) : root;
}

// How a file system that writes in place keeps the names of removed entries in its folders; empty
// for one that keeps none there, or keeps them per folder (ext4).
std::string HowFoldersKeepNames(const std::string& fileSystem) {
  if (fileSystem == "xfs") {
    return "XFS marks a removed name's bytes free in its folder's block without writing over them";
  }
  // ntfs-3g and the other FUSE drivers of block devices show themselves as fuseblk.
  if (OneOf(fileSystem, {"ntfs", "ntfs3", "fuseblk"})) {
    return "NTFS keeps removed names in the unused parts of its folder index blocks and file "
           "records";
  }
  if (OneOf(fileSystem, {"vfat", "msdos", "exfat"})) {
    return "FAT and exFAT only mark a removed name as deleted in the folder's table";
  }
  return {};
}

// What stays of the names of a removed folder, and what finishes it. On XFS every copy lies in
// the folder's blocks, which are free space once the folder is removed: the fill of a free-space
// wipe takes them, whoever runs it (seen on the device). NTFS keeps copies in the file records of
// its table as well, which no file can be written into; FAT's and exFAT's freed tables have not
// been seen on a device here, so they are not counted as finished.
TWipeFailure RemovedFolderNames(const std::string& fileSystem, const std::string& root,
                                const std::string& shown, const std::string& how) {
  if (fileSystem == "xfs") {
    return {root,
            TWipeFailureReason::NamesRemain,
            {},
            "in freed folder blocks of " + shown + ": " + how +
                ", and frees the blocks of a removed folder as they are; wiping the free space "
                "of " +
                shown + " removes them",
            root};
  }
  if (OneOf(fileSystem, {"ntfs", "ntfs3", "fuseblk"})) {
    return {root,
            TWipeFailureReason::NamesRemain,
            {},
            "in the folder indexes and file records of " + shown + ": " + how +
                "; wiping the free space of " + shown +
                " reaches the freed index blocks, not the file records"};
  }
  return {root,
          TWipeFailureReason::NamesRemain,
          {},
          "in the folder tables of " + shown + ": " + how + "; the program does not reach them"};
}

}  // namespace

void NamesLeft::NoteDeletion(const std::string& folder) {
  const std::string path = AddTrailingBackslash(folder);
  // A run deletes many files of one folder in a row.
  if (!places_.empty() && places_.back().folder == path) return;
  if (std::any_of(places_.begin(), places_.end(),
                  [&](const Place& place) { return place.folder == path; })) {
    return;
  }
  Place place{path, drives_.rootOf(path), {}};
  if (!place.root.empty()) place.fileSystem = drives_.fileSystem(place.root);
  places_.push_back(std::move(place));
}

void NamesLeft::NoteMetadataFilled(const std::string& root) {
  const std::string drive = AddTrailingBackslash(root);
  if (std::find(filled_.begin(), filled_.end(), drive) == filled_.end()) filled_.push_back(drive);
}

std::vector<TWipeFailure> NamesLeft::Finish() {
  std::vector<TWipeFailure> left;
  std::vector<std::string> told;  // drives already named
  for (const Place& place : places_) {
    if (place.root.empty()) continue;
    const std::string shown = Shown(place.root);
    const bool once = std::find(told.begin(), told.end(), place.root) == told.end();
    if (WritesElsewhere(place.fileSystem)) {
      if (!once) continue;
      told.push_back(place.root);
      if (std::find(filled_.begin(), filled_.end(), place.root) != filled_.end()) continue;
      // Only btrfs can be asked to move its metadata out of the way of the fill.
      if (place.fileSystem == "btrfs") {
        left.push_back({place.root,
                        TWipeFailureReason::NamesRemain,
                        {},
                        "in the file system's metadata, until the administrator wipes the free "
                        "space of " +
                            shown,
                        place.root});
      } else {
        left.push_back({place.root,
                        TWipeFailureReason::NamesRemain,
                        {},
                        "in the metadata of " + shown + " (" + place.fileSystem +
                            "); no later step reaches them"});
      }
      continue;
    }
    if (const std::string how = HowFoldersKeepNames(place.fileSystem); !how.empty()) {
      if (files_.info(place.folder)) {
        // The folder stays, and with it the blocks that hold the names.
        left.push_back({RemoveTrailingBackslash(place.folder),
                        TWipeFailureReason::NamesRemain,
                        {},
                        "in the blocks of the folder, which stays: " + how +
                            (place.fileSystem == "xfs"
                                 ? "; moving what stays to a new folder and wiping this one "
                                   "with -r and the free space of " +
                                       shown + " after it removes them"
                                 : "; they stay as long as the folder does")});
        continue;
      }
      if (!once) continue;
      told.push_back(place.root);
      left.push_back(RemovedFolderNames(place.fileSystem, place.root, shown, how));
      continue;
    }
    if (OneOf(place.fileSystem, {"ext2", "ext3", "ext4"})) {
      // A folder that was removed took its blocks, which the removals had zeroed, with it; one
      // of a single block was never split.
      const auto size = platform::folderSize(place.folder);
      const auto space = files_.diskSpace(place.folder);
      const std::uint64_t block = space ? space->clusterSize : 1;
      if (!size || block <= 1 || *size <= block) continue;
      left.push_back({RemoveTrailingBackslash(place.folder),
                      TWipeFailureReason::NamesRemain,
                      {},
                      "in unused parts of the folder's blocks: ext4 keeps copies of names there "
                      "once a folder has outgrown one block; moving what stays to a new folder "
                      "and wiping this one with -r removes them"});
    }
  }
  Clear();
  return left;
}

void NamesLeft::Clear() {
  places_.clear();
  filled_.clear();
}
