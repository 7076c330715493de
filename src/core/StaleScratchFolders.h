#pragma once
// Scratch folders that the journal cleaning left behind when the program was killed during it.
// Only folders that are the program's own are removed: named as the cleaning names them, owned
// by the user the program runs as, holding nothing but scratch files of that user, and left
// unchanged for a while (a cleaning still at work keeps changing its files).

#include <chrono>
#include <cstddef>
#include <string>
#include <system_error>
#include <vector>

namespace platform {
class FileSystem;
}  // namespace platform

// A stale scratch folder that could not be removed, and the system's reason.
struct TScratchFolderLeft {
  std::string Path;
  std::error_code Error;
  bool operator==(const TScratchFolderLeft&) const = default;
};

// Removes the stale scratch folders directly in the folder; returns how many were removed. The
// folder is walked through open folders and nothing is followed; a scratch folder or file that
// changed within `age` is left, and so is a folder that holds anything else. A stale scratch
// folder that could not be removed (or emptied) is added to `left` when given, and so is a mount
// point named as a scratch folder or found in one (FileError::MountPoint): it is not entered.
std::size_t RemoveStaleScratchFolders(const std::string& folder, std::chrono::nanoseconds age,
                                      std::vector<TScratchFolderLeft>* left = nullptr);
// The same through the file system given rather than the installed one.
std::size_t RemoveStaleScratchFolders(platform::FileSystem& files, const std::string& folder,
                                      std::chrono::nanoseconds age,
                                      std::vector<TScratchFolderLeft>* left = nullptr);
