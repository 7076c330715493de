#pragma once
// An advisory lock that processes changing the same stored file take in turn, so that each reads
// the file, changes it and replaces it while no other holds the lock. The lock is held on a lock
// file of its own beside the file (the file itself is replaced, so a lock on it would be lost with
// the old copy). Only programs that take the lock are kept out; it protects against none other.

#include <string>

#include "platform/Result.h"

namespace platform {

class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Waits until the lock of `file` is free, then holds it until the object ends. The lock file
  // is made when missing and left in place afterwards. Fails with the system's reason when the
  // lock file cannot be made or opened (a folder that is missing or may not be written). On a
  // file system that keeps no locks at all, the lock is given without keeping anyone out.
  static Result<FileLock> acquire(const std::string& file);
  // The lock file that belongs to `file`: ".<name>.lock" in the same folder.
  static std::string lockFileOf(const std::string& file);

  bool held() const { return descriptor_ >= 0; }

 private:
  explicit FileLock(int descriptor) : descriptor_(descriptor) {}
  int descriptor_ = -1;
};

}  // namespace platform
