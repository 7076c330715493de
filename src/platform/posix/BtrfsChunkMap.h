#pragma once
// Where btrfs keeps a byte of its own address space on its device. FIEMAP and the trees of
// btrfs name places in one address space of the file system; its chunk tree maps each chunk of
// that space to stripes on the devices. On one device a chunk is kept once (single) or twice
// (DUP); each stripe then holds a whole copy, at the stripe's offset.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/BlockDevice.h"

namespace platform::posix {

struct BtrfsChunk {
  std::uint64_t logical = 0;  // where the chunk starts in the file system's address space
  std::uint64_t length = 0;
  std::uint64_t type = 0;  // the block-group flags: data, metadata, system, and the profile
  // Where each copy of the chunk starts on the device.
  std::vector<std::uint64_t> copies;
  // The stripes hold parts of the chunk rather than whole copies (RAID0, RAID10, RAID5/6), or
  // lie on another device than the first: the copies do not say where a byte lies.
  bool split = false;
  bool operator==(const BtrfsChunk&) const = default;
};

// A chunk item of the chunk tree (struct btrfs_chunk with its stripes, as the tree search gives
// it) for the chunk at `logical`; none when the bytes are too few for what they claim.
std::optional<BtrfsChunk> parseBtrfsChunk(std::uint64_t logical, std::string_view item);

// The device ranges that hold `length` bytes from `logical` of the address space, every copy of
// each piece in turn, for chunks sorted by `logical`. Fails with DeviceError::NotMapped when a
// byte lies outside every chunk or in a chunk whose stripes split it.
Result<std::vector<DeviceRange>> mapBtrfsRange(const std::vector<BtrfsChunk>& chunks,
                                               std::uint64_t logical, std::uint64_t length);

// The flags of metadata chunks (where names live), for picking them out of the map.
inline constexpr std::uint64_t kBtrfsMetadataChunk = 1u << 2;

}  // namespace platform::posix
