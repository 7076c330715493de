#include "platform/posix/XfsPlaces.h"

#include <linux/types.h>
#include <sys/ioctl.h>

#include <cerrno>

#include "platform/posix/PosixFile.h"

namespace platform::posix {
namespace {

// The kernel's extended block-map record, declared here as the kernel defines it so that the
// build needs no XFS development headers. Offsets and lengths count 512-byte units.
struct XfsBmapx {
  __s64 offset;
  __s64 block;  // -1: a hole, -2: not placed yet
  __s64 length;
  __s32 count;
  __s32 entries;
  __s32 inFlags;
  __s32 outFlags;
  __s32 unused1;
  __s32 unused2;
};
static_assert(sizeof(XfsBmapx) == 48, "the kernel's layout of struct getbmapx");
// The call's number is made with the size of the shorter record (struct getbmap), as the
// kernel's header does.
constexpr unsigned long kXfsGetBmapx = _IOWR('X', 56, char[32]);
constexpr int kRecordsPerCall = 64;
constexpr int kMostCalls = 1024;

unsigned log2Of(std::uint64_t value) {
  unsigned log = 0;
  while ((std::uint64_t(1) << log) < value) ++log;
  return log;
}

}  // namespace

std::optional<std::uint64_t> xfsInodePlace(std::uint64_t inode, const XfsShape& shape) {
  if (shape.blockSize == 0 || shape.inodeSize == 0 || shape.agBlocks == 0 ||
      shape.inodeSize > shape.blockSize) {
    return std::nullopt;
  }
  const unsigned perBlockLog = log2Of(shape.blockSize / shape.inodeSize);
  const unsigned agBlockLog = log2Of(shape.agBlocks);
  const std::uint64_t group = inode >> (perBlockLog + agBlockLog);
  const std::uint64_t block = (inode >> perBlockLog) & ((std::uint64_t(1) << agBlockLog) - 1);
  const std::uint64_t slot = inode & ((std::uint64_t(1) << perBlockLog) - 1);
  if (block >= shape.agBlocks) return std::nullopt;
  return (group * shape.agBlocks + block) * shape.blockSize + slot * shape.inodeSize;
}

Result<std::vector<DeviceRange>> xfsFolderBlocks(int fd) {
  std::vector<DeviceRange> ranges;
  XfsBmapx records[kRecordsPerCall + 1] = {};
  __s64 from = 0;
  for (int call = 0; call < kMostCalls; ++call) {
    records[0] = {};
    records[0].offset = from;
    records[0].length = -1;  // to the end
    records[0].count = kRecordsPerCall + 1;
    if (::ioctl(fd, kXfsGetBmapx, records) != 0) return lastError();
    const int entries = records[0].entries;
    if (entries <= 0) return ranges;
    for (int i = 1; i <= entries; ++i) {
      const XfsBmapx& record = records[i];
      from = record.offset + record.length;
      if (record.block < 0 || record.length <= 0) continue;
      const DeviceRange range{std::uint64_t(record.block) * 512,
                              std::uint64_t(record.length) * 512};
      if (!ranges.empty() && ranges.back().offset + ranges.back().length == range.offset) {
        ranges.back().length += range.length;
      } else {
        ranges.push_back(range);
      }
    }
    if (entries < kRecordsPerCall) return ranges;
  }
  return DeviceError::NotMapped;
}

}  // namespace platform::posix
