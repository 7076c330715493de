#include "platform/posix/BtrfsChunkMap.h"

#include <algorithm>

namespace platform::posix {
namespace {

// The chunk item: length, owner, stripe length and type (8 bytes each), io_align, io_width and
// sector_size (4 each), the number of stripes and of sub-stripes (2 each); then the stripes:
// device id, offset (8 each) and the device's 16-byte uuid.
constexpr std::size_t kChunkHead = 48;
constexpr std::size_t kStripeSize = 32;
constexpr std::uint64_t kSplitProfiles = (1u << 3) | (1u << 6) | (1u << 7) | (1u << 8);

std::uint64_t le(std::string_view bytes, std::size_t at, int size) {
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

std::optional<BtrfsChunk> parseBtrfsChunk(std::uint64_t logical, std::string_view item) {
  if (item.size() < kChunkHead) return std::nullopt;
  BtrfsChunk chunk;
  chunk.logical = logical;
  chunk.length = le(item, 0, 8);
  chunk.type = le(item, 24, 8);
  const std::uint64_t stripes = le(item, 44, 2);
  if (stripes == 0 || item.size() < kChunkHead + stripes * kStripeSize) return std::nullopt;
  chunk.split = (chunk.type & kSplitProfiles) != 0;
  const std::uint64_t firstDevice = le(item, kChunkHead, 8);
  for (std::uint64_t i = 0; i < stripes; ++i) {
    const std::size_t at = kChunkHead + i * kStripeSize;
    if (le(item, at, 8) != firstDevice) chunk.split = true;
    chunk.copies.push_back(le(item, at + 8, 8));
  }
  return chunk;
}

Result<std::vector<DeviceRange>> mapBtrfsRange(const std::vector<BtrfsChunk>& chunks,
                                               std::uint64_t logical, std::uint64_t length) {
  std::vector<DeviceRange> ranges;
  while (length > 0) {
    // The last chunk that starts at or before the byte.
    auto next = std::upper_bound(
        chunks.begin(), chunks.end(), logical,
        [](std::uint64_t at, const BtrfsChunk& chunk) { return at < chunk.logical; });
    if (next == chunks.begin()) return DeviceError::NotMapped;
    const BtrfsChunk& chunk = *std::prev(next);
    const std::uint64_t into = logical - chunk.logical;
    if (into >= chunk.length || chunk.split) return DeviceError::NotMapped;
    const std::uint64_t piece = std::min(length, chunk.length - into);
    for (const std::uint64_t copy : chunk.copies) ranges.push_back({copy + into, piece});
    logical += piece;
    length -= piece;
  }
  return ranges;
}

}  // namespace platform::posix
