#pragma once
// Reads an open file's layout: its extents (FIEMAP), the kind of file system that holds it
// (fstatfs) and whether it is marked to be written in place (the no-copy-on-write flag).

#include "platform/FileLayout.h"
#include "platform/Result.h"

namespace platform::posix {

// The layout of the file open as `fd`; fails only when not even the file system's kind can be
// asked. The file's pending writes are placed first, so that every extent has its place.
Result<FileLayout> readFileLayout(int fd);
// The same, where the file system's type number (statfs) is known already.
Result<FileLayout> readFileLayout(int fd, std::uint64_t magic);

// Whether the type number is that of a file system kept in memory (tmpfs, ramfs): its files
// have no place on a device.
bool isInMemory(std::uint64_t magic);

// The kind of file system of an fstatfs magic number ("btrfs", "ext4", ...), empty when unknown.
std::string fileSystemOfMagic(std::uint64_t magic);

}  // namespace platform::posix
