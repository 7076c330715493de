#include "core/FreeSpaceLock.h"

#include <chrono>

#include "core/SettingsFolder.h"

namespace {

// Longer than a look at the lock takes it (FileLock::isHeld), far shorter than a run.
constexpr std::chrono::milliseconds kMoment{500};

}  // namespace

std::string FreeSpaceLockOf(std::uint64_t device) {
  return GetSettingsFolder() + "free-space-" + std::to_string(device);
}

platform::Result<platform::FileLock> TakeFreeSpaceLock(std::uint64_t device) {
  return platform::FileLock::acquire(FreeSpaceLockOf(device), kMoment);
}

bool FreeSpaceRunHolds(std::uint64_t device) {
  return platform::FileLock::isHeld(FreeSpaceLockOf(device));
}
