#pragma once
// The lock a free-space run holds on the file system it fills, for the whole of its job: a second
// run of the user on that file system is refused while the first goes on, a temporary file of a
// live run is never taken for one that an interrupted run left, and the record of ext4's reserve
// (core/ReserveLowering.h) belongs to the run that holds the lock. The lock file lies in the
// settings folder (core/SettingsFolder.h), the user's alone (platform/FileLock.h).

#include <cstdint>
#include <string>

#include "platform/FileLock.h"
#include "platform/Result.h"

// The file whose lock (platform::FileLock) stands for the file system with the device number.
std::string FreeSpaceLockOf(std::uint64_t device);
// Takes the lock of the file system for a run; fails (FileLock::isLockedError) when another run
// holds it.
// Waits a moment only, as long as a look at the lock (FreeSpaceRunHolds) may take it.
platform::Result<platform::FileLock> TakeFreeSpaceLock(std::uint64_t device);
// True when a run holds the lock of the file system now.
bool FreeSpaceRunHolds(std::uint64_t device);
