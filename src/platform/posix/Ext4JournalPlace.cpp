#include "platform/posix/Ext4JournalPlace.h"

#include <cstring>

namespace platform::posix {
namespace {

constexpr std::uint64_t kSuperblockAt = 1024;
constexpr std::size_t kSuperblockSize = 1024;
constexpr std::uint16_t kExt4Magic = 0xEF53;
constexpr std::uint32_t kHasJournal = 0x4;
constexpr std::uint8_t kBackupIsBlocks = 1;
constexpr std::uint16_t kExtentMagic = 0xF30A;
// Deeper extent trees than ext4 makes, and more pieces than a journal has, mean a damaged map.
constexpr unsigned kMostDepth = 5;
constexpr std::size_t kMostPieces = 1u << 16;
constexpr std::uint64_t kMostMappedBlocks = 1u << 24;

std::uint32_t le32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::uint16_t le16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

class JournalMap {
 public:
  JournalMap(const DeviceReadFunction& read, std::uint32_t blockSize)
      : read_(read), blockSize_(blockSize) {}

  std::vector<DeviceRange> places;

  // Adds `count` blocks from block `first`, joined to the last piece where they follow it.
  bool add(std::uint64_t first, std::uint64_t count) {
    if (count == 0) return true;
    const DeviceRange range{first * blockSize_, count * blockSize_};
    if (!places.empty() && places.back().offset + places.back().length == range.offset) {
      places.back().length += range.length;
      return true;
    }
    if (places.size() >= kMostPieces) return false;
    places.push_back(range);
    return true;
  }

  // An extent-tree node (the inode's root, or a block of the tree), `depth` levels above leaves.
  bool extents(const std::string& node, std::size_t at, std::size_t size, unsigned level) {
    if (level > kMostDepth || size < 12 || le16(node, at) != kExtentMagic) return false;
    const std::uint16_t entries = le16(node, at + 2);
    const std::uint16_t depth = le16(node, at + 6);
    if (12 + std::size_t(entries) * 12 > size) return false;
    for (std::uint16_t i = 0; i < entries; ++i) {
      const std::size_t entry = at + 12 + std::size_t(i) * 12;
      if (depth == 0) {
        std::uint32_t length = le16(node, entry + 4);
        if (length > 32768) length -= 32768;  // an extent not yet written still has its place
        const std::uint64_t start =
            (std::uint64_t(le16(node, entry + 6)) << 32) | le32(node, entry + 8);
        if (!add(start, length)) return false;
      } else {
        const std::uint64_t child =
            (std::uint64_t(le16(node, entry + 8)) << 32) | le32(node, entry + 4);
        auto block = read_(child * blockSize_, blockSize_);
        if (!block || block->size() < blockSize_ || !extents(*block, 0, blockSize_, level + 1))
          return false;
      }
    }
    return true;
  }

  // A block of the old map: `level` 0 is a data block, 1 an indirect block, and so on.
  bool mapped(std::uint32_t block, unsigned level) {
    if (block == 0) return true;  // a hole
    if (level == 0) {
      if (++mappedBlocks_ > kMostMappedBlocks) return false;
      return add(block, 1);
    }
    auto bytes = read_(std::uint64_t(block) * blockSize_, blockSize_);
    if (!bytes || bytes->size() < blockSize_) return false;
    for (std::size_t at = 0; at + 4 <= blockSize_; at += 4) {
      if (!mapped(le32(*bytes, at), level - 1)) return false;
    }
    return true;
  }

 private:
  const DeviceReadFunction& read_;
  std::uint32_t blockSize_;
  std::uint64_t mappedBlocks_ = 0;
};

}  // namespace

Result<std::vector<DeviceRange>> ext4JournalPlaces(const DeviceReadFunction& read) {
  auto superblock = read(kSuperblockAt, kSuperblockSize);
  if (!superblock) return superblock.error();
  const std::string& sb = *superblock;
  if (sb.size() < kSuperblockSize || le16(sb, 0x38) != kExt4Magic) return DeviceError::NotMapped;
  const std::uint32_t logBlockSize = le32(sb, 0x18);
  if (logBlockSize > 6) return DeviceError::NotMapped;
  const std::uint32_t blockSize = 1024u << logBlockSize;
  if (!(le32(sb, 0x5C) & kHasJournal)) return std::vector<DeviceRange>{};
  // A journal inode of 0 with a journal device names a journal on another device.
  if (le32(sb, 0xE0) == 0) return std::make_error_code(std::errc::no_such_device);
  if (static_cast<std::uint8_t>(sb[0xFD]) != kBackupIsBlocks) return DeviceError::NotMapped;
  // The copy of the journal inode's i_block: 15 words.
  const std::string root = sb.substr(0x10C, 60);
  JournalMap map(read, blockSize);
  if (le16(root, 0) == kExtentMagic) {
    if (!map.extents(root, 0, root.size(), 0)) return DeviceError::NotMapped;
    return std::move(map.places);
  }
  // Twelve direct blocks, then one indirect, one double and one triple indirect block.
  for (unsigned i = 0; i < 15; ++i) {
    const unsigned level = i < 12 ? 0 : i - 11;
    if (!map.mapped(le32(root, std::size_t(i) * 4), level)) return DeviceError::NotMapped;
  }
  return std::move(map.places);
}

}  // namespace platform::posix
