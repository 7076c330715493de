#pragma once
// Reads an open file's layout: its extents (FIEMAP), the kind of file system that holds it
// (fstatfs) and whether it is marked to be written in place (the no-copy-on-write flag).

#include "platform/FileLayout.h"
#include "platform/Result.h"

namespace platform::posix {

// The layout of the file open as `fd`; fails only when not even the file system's kind can be
// asked. The file's pending writes are placed first, so that every extent has its place.
Result<FileLayout> readFileLayout(int fd);

// The kind of file system of an fstatfs magic number ("btrfs", "ext4", ...), empty when unknown.
std::string fileSystemOfMagic(std::uint64_t magic);

}  // namespace platform::posix
