#pragma once
// A small file system that a test mounts itself: a tmpfs, or an ext4, btrfs, XFS, FAT or exFAT
// image file attached to a loop device (or an NTFS image read by ntfs-3g). The first mount of a
// test program moves the program into a mount namespace of its own (with private propagation), so
// every mount it makes vanishes with the process, even when the test crashes, and no other process
// ever sees it. Mounting needs root; a test that cannot mount skips with reason().

#include <string>

class ScopedMount {
 public:
  // NtfsImage is mounted through ntfs-3g (FUSE), as desktops mount NTFS data partitions.
  enum class Kind { Tmpfs, Ext4Image, BtrfsImage, XfsImage, NtfsImage, VfatImage, ExfatImage };

  // Mounts a file system of the given size at `point` (an existing, empty folder). For an
  // image, the image file is `point` followed by ".img", mkfsOptions go to its mkfs (for example
  // "-O fast_commit" or "-J size=4" for ext4) and mountOptions to mount -o (for example
  // "data=journal", "compress=zstd").
  ScopedMount(const std::string& point, Kind kind, unsigned megabytes,
              const std::string& mkfsOptions = {}, const std::string& mountOptions = {});
  // The same with the size as mount and truncate take it ("12k", "2052k", "16m").
  ScopedMount(const std::string& point, Kind kind, const std::string& size,
              const std::string& mkfsOptions = {}, const std::string& mountOptions = {});
  ~ScopedMount();
  ScopedMount(const ScopedMount&) = delete;
  ScopedMount& operator=(const ScopedMount&) = delete;

  bool mounted() const { return mounted_; }
  // Why the file system could not be mounted; empty when it was.
  const std::string& reason() const { return reason_; }
  // The image file of an image mount (empty for a tmpfs).
  const std::string& image() const { return image_; }
  const std::string& point() const { return point_; }

  // Unmounts now (the image file stays, for a test that reads the raw device). True when the
  // file system is no longer mounted.
  bool unmount();
  // Unmounts and mounts the image again, as after a restart: everything the file system kept
  // in memory or only in its journal has reached its place on the device. True when mounted.
  bool remount();

 private:
  std::string point_;
  std::string image_;
  std::string reason_;
  std::string mountCommand_;  // how the image was mounted
  bool mounted_ = false;
};

// Moves this process into a mount namespace of its own, once; false (with the reason) when it
// cannot.
bool EnterPrivateMountNamespace(std::string* reason = nullptr);
