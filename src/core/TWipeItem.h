#pragma once
// One wipe job: a file, a folder, or the free space of a drive.

#include <cstdint>
#include <string>

#include "platform/FileSystem.h"

enum TWipeItemKind : std::uint8_t {
  wkFile = 0,       // Path is a file to wipe
  wkFolder = 1,     // Path is a folder to wipe with all its files and subfolders
  wkFreeSpace = 2,  // Path is the root of the drive whose free space is wiped
};

class TWipeItem {
 public:
  TWipeItem() = default;
  TWipeItem(TWipeItemKind kind, std::string path, std::string caption = {})
      : Kind(kind), Caption(std::move(caption)), Path(std::move(path)) {}

  TWipeItemKind Kind = wkFile;
  std::string Caption;  // shown instead of Path while the job runs, when not empty
  std::string Path;
  // For a free-space job: the file system that was mounted at Path when the drive was listed;
  // the job wipes nothing unless that file system is still mounted there. Unknown (device 0)
  // when the job was not made from a list: its Path must then still be a mount point.
  platform::FileSystemId Volume;
  // For a file or folder job handed over by another process (the window to its run with
  // administrator rights): the entry that process saw at Path. The job wipes nothing unless
  // Path still names that entry, reached without a link. Unknown (device 0) for a job made here.
  platform::EntryId Expected;
};
