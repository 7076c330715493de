#pragma once
// Where XFS keeps a folder's entries on its device. A small folder keeps them inside its inode,
// whose place follows from the inode number and the file system's geometry (allocation group,
// block in the group, inode in the block); a larger one in blocks of its own, which XFS tells
// through its block-map call (FIEMAP does not answer for folders there).

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/BlockDevice.h"

namespace platform::posix {

struct XfsShape {
  std::uint32_t blockSize = 0;
  std::uint32_t inodeSize = 0;
  std::uint32_t agBlocks = 0;  // blocks per allocation group
};

// The byte on the device where the inode lies; none for a shape that cannot be.
std::optional<std::uint64_t> xfsInodePlace(std::uint64_t inode, const XfsShape& shape);

// The places of the data blocks of the folder open as `fd` (none for a folder kept inside its
// inode), adjacent pieces joined.
Result<std::vector<DeviceRange>> xfsFolderBlocks(int fd);

}  // namespace platform::posix
