#pragma once
// The running processes as far as the user may see them: which files they hold open, whether a
// process still runs, and who the program runs as. The process folder is a parameter so that
// tests describe processes of their own.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace platform {

// The user the program runs as.
std::uint32_t currentUserId();

// Every file held open by a process listed in the process folder (the system's own when empty):
// the entries "<number>/fd/<n>", followed to what they name. Processes whose descriptors may not
// be read are passed over. Stops after `limit` descriptors.
std::vector<EntryId> openFileIds(const std::string& processFolder, std::size_t limit = 1u << 20);
// True when the process folder lists a process of that number.
bool processRuns(const std::string& processFolder, long processId);

// The text a symbolic link holds; null when the path is no link.
std::optional<std::string> linkTarget(const std::string& path);
// True when another process holds a lock on the file (a record lock or a whole-file lock).
bool lockedByOther(const std::string& path);

}  // namespace platform
