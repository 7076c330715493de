// Wiping the free space of a drive: a temporary file in the drive's root fills the space the
// user may still write, and is then wiped with every pass and deleted.

#include <algorithm>

#include "core/Helpers.h"
#include "core/TPassBuffer.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeServices.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"

namespace {

constexpr char kTemporaryName[] = "tem1.tmp";

// The share of the initial free space in use once `remaining` bytes are left, 0 to 100.
std::uint64_t UsedShare(std::uint64_t remaining, std::uint64_t initial) {
  const std::uint64_t left =
      remaining / initial * 100 + (remaining % initial) * 100 / initial;  // remaining*100/initial
  return left >= 100 ? 0 : 100 - left;
}

}  // namespace

void TWipeEngine::WipeDriveFreeSpace(const TWipeItem& item) {
  if (!platform::isAbsolutePath(item.Path)) return;
  const std::string root = platform::drives().rootOf(item.Path);
  if (root.empty()) return;
  platform::FileSystem& files = platform::fs();
  const std::string temporary = root + kTemporaryName;
  const std::uint64_t cluster = GetClusterSize(root);
  // While much space is left the file grows by BufferSize rounded down to whole clusters; the
  // last stretch goes one cluster at a time, asking for the free space before each write, so
  // the file ends where the space ends.
  const std::int64_t bufferSize = WipeMethodsManager ? WipeMethodsManager->BufferSize : 0;
  const std::uint64_t wanted =
      std::clamp<std::int64_t>(bufferSize, 0, static_cast<std::int64_t>(TPassBuffer::kMaxHeld));
  const std::uint64_t large = std::max(wanted / cluster * cluster, cluster);
  const std::string block(static_cast<std::size_t>(large), '0');

  auto file = files.createAlways(temporary);
  if (!file) {
    Fail(root, TWipeFailureReason::FreeSpaceFileNotCreated);
    return;
  }
  IWipeProgress& window = progress();
  window.ShowFile("Creating temporary file...");
  window.SetFileRange(100);
  window.SetPassRange(100);
  const auto space = files.diskSpace(root);
  if (!space || space->available == 0) {
    file.reset();
    files.deleteFile(temporary);
    Fail(root, space ? TWipeFailureReason::NoFreeSpace : TWipeFailureReason::FreeSpaceFillFailed);
    return;
  }
  const std::uint64_t initial = space->available;

  bool filled = true;
  std::uint64_t previous = 0;
  std::uint64_t written = 0;
  for (;;) {
    const auto now = files.diskSpace(root);
    if (!now) {
      filled = false;
      break;
    }
    const std::uint64_t free = now->available;
    ProcessMessages();
    if (Aborted) break;
    std::uint64_t length = cluster;
    bool last = false;
    if (free < cluster) {
      // What is left of a cluster; after a partial write (or none) this is the last turn.
      length = free;
      last = previous < cluster;
    } else if (free >= 2 * large) {
      length = large;
    }
    if (!file->write(block.data(), static_cast<std::size_t>(length))) {
      filled = false;
      break;
    }
    written += length;
    const std::uint64_t share = UsedShare(free - length, initial);
    window.SetFilePosition(share);
    window.SetPassPosition(share);
    previous = length;
    // A file system whose free space does not shrink as the file grows would never end.
    if (last || (space->total > 0 && written > space->total)) break;
  }
  file.reset();
  if (!filled) {
    files.deleteFile(temporary);
    Fail(root, TWipeFailureReason::FreeSpaceFillFailed);
    return;
  }
  if (!Aborted) WipeFile(TWipeItem(wkFile, temporary));
  // After a cancel this removes the unwiped file; after the wipe there is nothing left.
  files.deleteFile(temporary);
}
