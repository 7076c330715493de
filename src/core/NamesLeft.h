#pragma once
// Where the names of the files a run deleted can still be read on the device after the run,
// besides the journals (which JournalCleanup clears). A deleted name leaves the folder, but
// several file systems keep its bytes:
// - XFS marks a removed entry's bytes free inside its folder block and frees a folder block that
//   empties without writing it again;
// - NTFS keeps removed entries in the unused tails of its index blocks and folder records;
// - FAT and exFAT only mark a removed entry as deleted;
// - ext4 zeroes a removed entry, but a folder that outgrew one block holds copies of entries in
//   the unused parts of its blocks (where they were when the folder's blocks were split), and
//   those stay as long as the folder does;
// - btrfs writes every change of its metadata to new blocks, so old copies of names stay in
//   freed metadata until the administrator's free-space wipe moves the metadata and fills it.
// Each becomes one entry that counts as left behind, naming the drive (or the folder) and what
// finishes it, where something does. Blocks a removed folder held are free space, which the fill
// of a free-space wipe of the drive takes; the blocks of a folder that stays are not.

#include <string>
#include <vector>

#include "core/WipeFailure.h"

namespace platform {
class DriveTable;
class FileSystem;
}  // namespace platform

class NamesLeft {
 public:
  // Tells drives and folders apart through the drive table and the file system given.
  NamesLeft(platform::DriveTable& drives, platform::FileSystem& files)
      : drives_(drives), files_(files) {}

  // A file (or a link) was deleted from the folder, given with or without a final separator.
  void NoteDeletion(const std::string& folder);
  // The free space of the drive at `root` was wiped after its metadata had been moved: the fill
  // reached the old copies of names a copy-on-write file system kept there.
  void NoteMetadataFilled(const std::string& root);
  // What stays, in the order the drives (and folders) were first noted; forgets every note.
  std::vector<TWipeFailure> Finish();
  void Clear();

 private:
  struct Place {
    std::string folder;      // with a final separator
    std::string root;        // the drive root, or empty when it could not be told
    std::string fileSystem;  // the drive's file-system type
  };
  platform::DriveTable& drives_;
  platform::FileSystem& files_;
  std::vector<Place> places_;  // each folder once
  std::vector<std::string> filled_;
};
