#pragma once
// An advisory lock that processes changing the same stored file take in turn, so that each reads
// the file, changes it and replaces it while no other holds the lock. The lock is held on a lock
// file of its own beside the file (the file itself is replaced, so a lock on it would be lost with
// the old copy). Only programs that take the lock are kept out; it protects against none other.
//
// The lock file is the user's alone (mode 0600, owned by the caller): no other user can open it,
// so no other user can hold the lock and keep the program waiting. A lock file of another owner
// is refused rather than trusted.

#include <chrono>
#include <string>
#include <system_error>

#include "platform/Result.h"
#include "platform/ScopedOverride.h"

namespace platform {

class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock of `file` and holds it until the object ends, waiting while another process
  // holds it: for at most the lock wait (lockWait), then it gives up with the system's reason
  // for a lock that is taken, std::errc::operation_would_block (see isLockedError). A
  // stop signal (platform/Signals.h) ends the wait at once (std::errc::operation_canceled). The
  // lock file is made when missing and left in place afterwards. Fails with the system's reason
  // when the lock file cannot be made or opened (a folder that is missing or may not be
  // written), with FileError::NotOwn when it is another user's and FileError::NotAFile when it
  // is no ordinary file. On a file system that keeps no locks at all, the lock is given without
  // keeping anyone out.
  static Result<FileLock> acquire(const std::string& file);
  // The same with a wait of its own; 0 gives up at once when another holds the lock.
  static Result<FileLock> acquire(const std::string& file, std::chrono::milliseconds wait);
  // True when some holder (another process, or another lock object of this one) holds the lock
  // of `file` now. Nothing is made: no lock file, no lock kept. (It takes the lock for a moment
  // to see: a holder that waits no longer than that may find it taken.)
  static bool isHeld(const std::string& file);
  // The lock file that belongs to `file`: ".<name>.lock" in the same folder.
  static std::string lockFileOf(const std::string& file);

  bool held() const { return descriptor_ >= 0; }
  // True for the reason acquire gives when another holds the lock.
  static bool isLockedError(const std::error_code& error) {
    return error == std::errc::operation_would_block;
  }

 private:
  explicit FileLock(int descriptor) : descriptor_(descriptor) {}
  int descriptor_ = -1;
};

// How long acquire waits for a lock another process holds (a few seconds).
std::chrono::milliseconds lockWait();
// Installs a wait and returns the one it replaces.
std::chrono::milliseconds setLockWait(std::chrono::milliseconds wait);
using ScopedLockWait = ScopedOverride<&setLockWait>;

}  // namespace platform
