#pragma once
// Where an ext4 file system keeps its journal on its device. The superblock holds a copy of the
// journal inode's block map (the root of its extent tree, or its direct and indirect block
// numbers for an ext3 journal) exactly so that the journal can be found without the inode
// tables; the extent tree's lower levels, where there are any, are read from the device.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/BlockDevice.h"

namespace platform::posix {

// Reads `length` bytes of the device from `offset` (fewer only at its end).
using DeviceReadFunction = std::function<Result<std::string>(std::uint64_t, std::size_t)>;

// The journal's places on the device, in journal order, adjacent pieces joined. Fails with
// DeviceError::NotMapped where the superblock keeps no copy of the journal's map or the map is
// not one this reads, and with std::errc::no_such_device where the journal lies on another
// device. A file system without a journal gives no places.
Result<std::vector<DeviceRange>> ext4JournalPlaces(const DeviceReadFunction& read);

}  // namespace platform::posix
