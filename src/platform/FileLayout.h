#pragma once
// Where an open file's bytes lie on its device, and what kind of file system holds it: what a
// wipe needs to know whether its overwrite reached the blocks that held the old content, or
// whether the file system wrote the new bytes elsewhere (copy-on-write, compression, content
// kept inside the file system's own metadata, blocks shared with a snapshot or another file).

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

namespace platform {

// What the file system says of one extent, beyond where it lies.
enum ExtentFlag : std::uint32_t {
  ExtentUnknownPlace = 0x01,  // not placed on the device yet, or the system does not say where
  ExtentEncoded = 0x02,       // stored transformed (compressed): not the bytes the file reads
  ExtentInline = 0x04,        // kept inside the file system's metadata, not in blocks of its own
  ExtentNotAligned = 0x08,    // packed with other data, not on whole blocks of its own
  ExtentShared = 0x10,        // the same blocks belong to a snapshot or another file too
};

// A run of the file's bytes, from `logical` in the file, lying at `physical` on the device.
struct Extent {
  std::uint64_t logical = 0;
  std::uint64_t physical = 0;
  std::uint64_t length = 0;
  std::uint32_t flags = 0;  // ExtentFlag bits
  bool operator==(const Extent&) const = default;
};

struct FileLayout {
  // The kind of file system holding the file, in the system's own words ("ext4", "btrfs",
  // "xfs"); empty when it is none the program knows.
  std::string fileSystem;
  // The file's extents, in file order, when the file system tells them (`mapped`); otherwise
  // the system's reason why not.
  bool mapped = false;
  std::error_code mapError{};
  std::vector<Extent> extents;
  // The file is marked to be written in place on a file system that otherwise copies on write.
  bool noCopyOnWrite = false;
};

}  // namespace platform
