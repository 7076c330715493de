#include "core/NamesLeft.h"

#include <algorithm>

#include "core/Helpers.h"
#include "core/OverwriteReach.h"
#include "platform/Drives.h"
#include "platform/FolderSize.h"

namespace {

bool OneOf(const std::string& fileSystem, std::initializer_list<const char*> kinds) {
  return std::any_of(kinds.begin(), kinds.end(),
                     [&](const char* kind) { return fileSystem == kind; });
}

std::string Shown(const std::string& root) {
  return root.size() > 1 ? RemoveTrailingBackslash(root) : root;
}

// Where the file system keeps the names of removed entries, for the drive as a whole; empty for
// a file system that keeps none there, or keeps them per folder (ext4).
std::string WhereOnDrive(const std::string& fileSystem, const std::string& shown) {
  if (fileSystem == "xfs") {
    return "in the folder blocks of " + shown +
           ": XFS leaves a removed name in its folder's block and frees a folder block that "
           "empties as it is; no later step reaches them";
  }
  // ntfs-3g and the other FUSE drivers of block devices show themselves as fuseblk.
  if (OneOf(fileSystem, {"ntfs", "ntfs3", "fuseblk"})) {
    return "in the folder indexes of " + shown +
           ": NTFS keeps removed names in the unused parts of its index blocks and folder "
           "records; no later step reaches them";
  }
  if (OneOf(fileSystem, {"vfat", "msdos", "exfat"})) {
    return "in the folder tables of " + shown +
           ": FAT and exFAT only mark a removed name as deleted; no later step reaches them";
  }
  return {};
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
  Place place{path, platform::drives().rootOf(path), {}};
  if (!place.root.empty()) place.fileSystem = platform::drives().fileSystem(place.root);
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
    if (const std::string where = WhereOnDrive(place.fileSystem, shown); !where.empty()) {
      if (!once) continue;
      told.push_back(place.root);
      left.push_back({place.root, TWipeFailureReason::NamesRemain, {}, where});
      continue;
    }
    if (OneOf(place.fileSystem, {"ext2", "ext3", "ext4"})) {
      // A folder that was removed took its blocks, which the removals had zeroed, with it; one
      // of a single block was never split.
      const auto size = platform::folderSize(place.folder);
      const std::uint64_t block = GetClusterSize(place.folder);
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
