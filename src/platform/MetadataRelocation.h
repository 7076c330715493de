#pragma once
// Moving a copy-on-write file system's metadata to new places. btrfs keeps its trees (folders,
// file names, inodes) in metadata block groups of their own; a deleted name stays readable in
// the blocks that held it, and no file can ever be written there. Once every metadata block
// group has been moved (btrfs relocates each one into a new group and gives the old one back),
// the blocks that held the old copies are unallocated space, which a fill of the free space
// writes over.
//
// Only the administrator may ask for it. It takes a while on a large file system, so it goes on
// in the background while the caller waits in bounded steps, reports progress and may stop it.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Result.h"
#include "platform/ScopedOverride.h"

namespace platform {

struct RelocationRequest {
  // The top folder of the mount (its mount point), an absolute path. It is reached without
  // following a link in any component.
  std::string mountPoint;
  // What must be found there: the file system's device and the mount it is reached through (as
  // FileInfo::mount gives it); 0 leaves that one unchecked.
  std::uint64_t device = 0;
  std::uint64_t mount = 0;
  // How far the work is: block groups moved of those to move (total 0 while not known).
  std::function<void(std::uint64_t done, std::uint64_t total)> progress{};
  // Asked between waits; true cancels the work (the block group being moved is finished first).
  std::function<bool()> stop{};
};

// The file system of a mount, asked to move its metadata. Tests install a fake.
class MetadataRelocator {
 public:
  virtual ~MetadataRelocator() = default;
  // Moves every metadata (and system) block group of the file system mounted at the request's
  // mount point. Fails with the system's reason: std::errc::operation_not_permitted for anyone
  // but the administrator, std::errc::operation_canceled when stopped, FileError::Changed when
  // another file system or mount is found there, FileError::Link for a link on the way,
  // std::errc::operation_in_progress while the file system is already rebalancing, and
  // std::errc::not_supported for a file system that has no such thing.
  virtual Status relocate(const RelocationRequest& request) = 0;
};

// The relocator in use: the real one unless a test has installed another.
MetadataRelocator& metadataRelocator();
MetadataRelocator& realMetadataRelocator();
// Installs a relocator (null puts the real one back) and returns the one it replaces. The
// caller keeps ownership.
MetadataRelocator* setMetadataRelocator(MetadataRelocator* relocator);

// Moves the metadata through the relocator in use.
Status relocateMetadata(const RelocationRequest& request);

using ScopedMetadataRelocator = ScopedOverride<&setMetadataRelocator>;

}  // namespace platform
