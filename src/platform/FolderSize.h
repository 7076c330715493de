#pragma once
// The bytes a folder's own entries take on its file system (the folder's size as the system
// reports it), which tells whether the folder has grown past one block. Folder walks and file
// information leave it out: a folder's size is no file content.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The size of the folder at `path` (no link is followed at its end); none when it cannot be
// told or the path is no folder.
std::optional<std::uint64_t> folderSize(const std::string& path);

}  // namespace platform
