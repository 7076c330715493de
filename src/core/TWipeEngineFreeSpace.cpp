// Wiping the free space of a drive: a temporary file on the file system that was listed fills
// all the space the caller may write, and is then wiped with every pass and deleted.

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "core/Helpers.h"
#include "core/OverwriteReach.h"
#include "core/ReserveLowering.h"
#include "core/TPassBuffer.h"
#include "core/TWipeEngine.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/Drives.h"
#include "platform/Ext4Reserve.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/Journal.h"

namespace {

constexpr char kTemporaryName[] = "tem1.tmp";
// The free blocks are discarded this many bytes of the file system at a time, handling events
// between the steps.
constexpr std::uint64_t kDiscardStep = std::uint64_t(256) << 20;

// The share of the initial free space in use once `remaining` bytes are left, 0 to 100.
std::uint64_t UsedShare(std::uint64_t remaining, std::uint64_t initial) {
  const std::uint64_t left =
      remaining / initial * 100 + (remaining % initial) * 100 / initial;  // remaining*100/initial
  return left >= 100 ? 0 : 100 - left;
}

std::string Bytes(std::uint64_t count) {
  return std::to_string(count) + " bytes";
}

// The folders besides the root where the temporary file goes when the root may not be written:
// the home folder and the temporary folder, those reached through the very mount of the root
// (`rootMount`). A folder of the same file system reached through another mount (a bind mount,
// which may be read-only, or may show only a part of the file system) is not used: the job
// writes through the mount it names and no other. No folder is used when the system does not
// say which mount a folder is reached through.
std::vector<std::pair<std::string, platform::DiskSpace>> FallbackFolders(
    platform::FileSystem& files, const platform::DiskSpace& rootSpace, std::uint64_t rootMount) {
  std::vector<std::pair<std::string, platform::DiskSpace>> folders;
  if (rootMount == 0) return folders;
  for (const std::string& candidate : {platform::homeFolder(), platform::tempFolder()}) {
    if (!platform::isAbsolutePath(candidate)) continue;
    const auto info = files.info(candidate);
    if (!info || info->kind != platform::EntryKind::Folder || info->mount != rootMount) continue;
    const auto space = files.diskSpace(candidate);
    if (space && space->id.device == rootSpace.id.device) {
      folders.emplace_back(AddTrailingBackslash(candidate), *space);
    }
  }
  return folders;
}

// The mount the root folder of a drive is reached through; 0 when it cannot be told.
std::uint64_t MountOf(platform::FileSystem& files, const std::string& root) {
  const auto info = files.info(root);
  return info && info->isFolder() ? info->mount : 0;
}

// Where the temporary file goes: the drive's root when the caller may create files there, else
// the first of the fallback folders that may be written. Empty when there is none.
std::string FolderForTemporaryFile(platform::FileSystem& files, const std::string& root,
                                   const platform::DiskSpace& rootSpace, std::uint64_t rootMount) {
  if (rootSpace.writable) return root;
  for (const auto& [folder, space] : FallbackFolders(files, rootSpace, rootMount)) {
    if (space.writable) return folder;
  }
  return {};
}

// Why free blocks were not discarded, in the user's words where the reason is a usual one.
std::string WhyNotDiscarded(const std::error_code& error) {
  if (error == std::errc::inappropriate_io_control_operation ||
      error == std::errc::operation_not_supported || error == std::errc::invalid_argument) {
    return "the file system or its device does not support it";
  }
  if (error == std::errc::operation_not_permitted || error == std::errc::permission_denied) {
    return "only the administrator may ask for it";
  }
  return {};
}

// Removes an entry of an open folder that is still the file `id`, a large file given back in
// steps first (the engine's own way of removing what it wiped).
using RemoveEntry = std::function<platform::Status(platform::Folder&, const std::string& name,
                                                   const platform::EntryId& id)>;

// Removes the temporary files that interrupted runs of this user left for the drive, so that
// their space is filled and wiped with the rest; each is re-checked where it lies before its
// name goes. What was removed comes back as notes, what could not be as failures.
void RemoveLeftovers(const std::string& root, const RemoveEntry& remove,
                     std::vector<TWipeFailure>& notes, std::vector<TWipeFailure>& failures) {
  for (const TLeftoverFile& leftover : FindFreeSpaceLeftovers(root)) {
    auto containing = platform::openContainingFolder(leftover.Path);
    if (!containing) {
      failures.push_back({leftover.Path, TWipeFailureReason::CannotDelete, containing.error(), {}});
      continue;
    }
    platform::Folder& folder = *containing->folder;
    const auto entry = folder.entry(containing->name);
    if (!entry || entry->kind != platform::EntryKind::File || entry->links != 1 ||
        !entry->ownedByCaller) {
      continue;  // no longer a leftover of this user's: left alone
    }
    if (const platform::Status removed = remove(folder, containing->name, entry->id); !removed) {
      failures.push_back({leftover.Path, TWipeFailureReason::CannotDelete, removed.error(), {}});
      continue;
    }
    notes.push_back({leftover.Path, TWipeFailureReason::LeftoverRemoved});
  }
}

}  // namespace

std::vector<TLeftoverFile> FindFreeSpaceLeftovers(const std::string& root) {
  std::vector<TLeftoverFile> found;
  if (!platform::isAbsolutePath(root)) return found;
  platform::FileSystem& files = platform::fs();
  const auto rootSpace = files.diskSpace(root);
  if (!rootSpace) return found;
  std::vector<std::string> folders{AddTrailingBackslash(root)};
  for (const auto& fallback : FallbackFolders(files, *rootSpace, MountOf(files, root))) {
    folders.push_back(fallback.first);
  }
  for (const std::string& folder : folders) {
    const std::string path = folder + kTemporaryName;
    const auto info = files.info(path);
    // Only what a run of this user could have made: never a link, a folder, a file whose
    // content other names share, or another user's file.
    if (!info || info->kind != platform::EntryKind::File || info->links != 1 ||
        !info->ownedByCaller) {
      continue;
    }
    const bool seen = std::any_of(found.begin(), found.end(),
                                  [&](const TLeftoverFile& file) { return file.Path == path; });
    if (!seen) found.push_back({path, info->size});
  }
  return found;
}

void TWipeEngine::DiscardFreeBlocks(const std::string& root, std::uint64_t total) {
  progress().ShowFile("Discarding free blocks...");
  for (std::uint64_t start = 0; !stopRequested(); start += kDiscardStep) {
    // The last step reaches to the file system's end, whatever its figures left out.
    const bool last = total <= kDiscardStep || start >= total - kDiscardStep;
    const platform::Status done = platform::fs().discardFreeBlocks(
        root, start, last ? std::numeric_limits<std::uint64_t>::max() : kDiscardStep);
    if (!done) {
      // A start past the end of a file system smaller than its figures said: all is done.
      if (start > 0 && done.error() == std::errc::invalid_argument) return;
      const std::string why = WhyNotDiscarded(done.error());
      Notes.push_back({root, TWipeFailureReason::NotDiscarded,
                       why.empty() ? done.error() : std::error_code(), why});
      return;
    }
    ProcessMessages();
    if (last) return;
  }
}

void TWipeEngine::WipeDriveFreeSpace(const TWipeItem& item) {
  if (!platform::isAbsolutePath(item.Path)) return;
  const std::string root = AddTrailingBackslash(item.Path);
  platform::FileSystem& files = platform::fs();

  // The job is bound to the file system that was listed: the root must still be its mount
  // point. Asking for the drive that holds the path instead would fill whatever file system lies
  // under a drive that was unmounted in the meantime.
  const auto here = files.info(root);
  const bool mountPoint =
      here && here->kind == platform::EntryKind::Folder && platform::drives().isMountPoint(root);
  const auto bound = mountPoint ? files.diskSpace(root) : std::nullopt;
  if (!mountPoint || (bound && item.Volume.device != 0 && bound->id != item.Volume)) {
    Fail(root, TWipeFailureReason::NoLongerMounted);
    return;
  }
  if (!bound) {
    Fail(root, TWipeFailureReason::FreeSpaceFillFailed);
    return;
  }
  if (bound->readOnly) {
    Fail(root, TWipeFailureReason::MountedReadOnly);
    return;
  }
  // The mount the job writes through: the temporary file must lie on it, wherever it goes.
  const std::uint64_t rootMount = here->mount;
  // The figures of the bound file system; null when they cannot be asked for, or when another
  // file system has taken the root's place (`moved`).
  bool moved = false;
  auto ask = [&]() -> std::optional<platform::DiskSpace> {
    auto now = files.diskSpace(root);
    if (now && now->id != bound->id) {
      moved = true;
      return std::nullopt;
    }
    return now;
  };
  // A file system that writes every change to new blocks: the fill is what overwrites its free
  // space, and passes over the filled file would find no free blocks to go to.
  const std::string fileSystem = platform::drives().fileSystem(root);
  const bool copyOnWrite = WritesElsewhere(fileSystem);
  // What ext4 keeps back for its own metadata stays free when its reserve could not be lowered.
  const bool keptByExt4 = fileSystem == "ext4" || fileSystem == "ext3" || fileSystem == "ext2";
  // Free space the fill could not reach: the administrator's reserve when the caller may not
  // write into it, and what the file system kept back when it said it was full.
  auto reportUnreached = [&](const platform::DiskSpace& left, bool full, std::uint64_t cluster) {
    if (left.free > left.available) {
      Fail(root, TWipeFailureReason::ReserveUnreachable, {}, Bytes(left.free - left.available));
    }
    if (full && left.available >= cluster && (copyOnWrite || keptByExt4)) {
      // What stays free is the room the file system keeps for its metadata.
      Notes.push_back({root,
                       TWipeFailureReason::KeptForMetadata,
                       {},
                       Bytes(left.available) + " of " + fileSystem});
    } else if (full && left.available >= cluster) {
      Fail(root, TWipeFailureReason::FreeSpaceFillFailed,
           std::make_error_code(std::errc::no_space_on_device),
           Bytes(left.available) + " the file system keeps back could not be written");
    }
  };

  const std::string folder = FolderForTemporaryFile(files, root, *bound, rootMount);
  if (folder.empty()) {
    Fail(root, TWipeFailureReason::NeedsAdministrator);
    return;
  }
  // A temporary file that an interrupted run left fills part of the space: it goes first.
  // A leftover fills much of the drive: it is given back in steps, the windows handling events.
  RemoveLeftovers(
      root,
      [this](platform::Folder& in, const std::string& name, const platform::EntryId& id) {
        return RemoveWipedEntry(in, name, id);
      },
      Notes, Failures);
  const std::string temporary = folder + kTemporaryName;
  const std::uint64_t cluster = GetClusterSize(root);
  // While much space is left the file grows by BufferSize rounded down to whole clusters; the
  // last stretch goes one cluster at a time, asking for the free space before each write, so
  // the file ends where the space ends.
  const std::int64_t bufferSize = run().Settings.BufferSize;
  const std::uint64_t wanted =
      std::clamp<std::int64_t>(bufferSize, 0, static_cast<std::int64_t>(TPassBuffer::kMaxHeld));
  const std::uint64_t large = std::max(wanted / cluster * cluster, cluster);
  const std::string block(static_cast<std::size_t>(large), '0');

  // The program's own new file: an entry of that name that is not this user's leftover (a
  // link, another user's file, a file in a folder everyone may write) is never written.
  auto file = files.createOwnFile(temporary);
  if (!file) {
    Fail(root, TWipeFailureReason::FreeSpaceFileNotCreated, file.error(), temporary);
    return;
  }
  // Made through the mount the job names, as the folder was chosen: a folder swapped for a
  // link to another mount in between would put the fill elsewhere.
  if (const auto made = file->info(); rootMount != 0 && (!made || made->mount != rootMount)) {
    file.reset();
    const auto there = files.info(temporary);
    if (made && there && there->id == made->id && there->size == 0) files.deleteFile(temporary);
    Fail(root, TWipeFailureReason::NoLongerMounted);
    return;
  }
  IWipeProgress& window = progress();
  window.ShowFile("Creating temporary file...");
  window.SetFileRange(100);
  window.SetPassRange(100);
  const auto space = ask();
  if (moved) {
    Fail(root, TWipeFailureReason::NoLongerMounted);
    return;
  }
  if (!space || space->available == 0) {
    file.reset();
    files.deleteFile(temporary);
    if (!space) {
      Fail(root, TWipeFailureReason::FreeSpaceFillFailed);
      return;
    }
    Fail(root, TWipeFailureReason::NoFreeSpace);
    reportUnreached(*space, false, cluster);
    return;
  }
  // The clusters ext4 keeps back from everyone are given to the fill while it runs (where the
  // caller may change that: the administrator), and kept back again straight after.
  std::optional<TReserveLowering> reserve;
  if (const platform::JournalInfo kind = platform::journals().inspect(root); kind.ext4) {
    reserve.emplace(kind.device, platform::ext4ReserveFolder(), ReserveRecordFile());
  }
  const auto widened = reserve && reserve->Lowered() ? ask() : std::nullopt;
  const std::uint64_t initial =
      widened ? std::max(widened->available, space->available) : space->available;

  bool filled = true;
  bool full = false;  // the file system refused more as full
  std::error_code error;
  std::uint64_t previous = 0;
  std::uint64_t written = 0;
  std::uint64_t sinceWriteback = 0;
  for (;;) {
    ProcessMessages();
    if (stopRequested()) break;
    // Asked right before each write: the figures must still be those of the bound file system.
    const auto now = ask();
    if (!now) {
      filled = false;
      break;
    }
    const std::uint64_t free = now->available;
    std::uint64_t length = cluster;
    bool last = false;
    if (free < cluster) {
      // What is left of a cluster; after a partial write (or none) this is the last turn.
      length = free;
      last = previous < cluster;
    } else if (free >= 2 * large) {
      length = large;
    }
    if (const platform::Status wrote = file->write(block.data(), static_cast<std::size_t>(length));
        !wrote) {
      // No space left is where the fill ends, even when the figures promised more.
      error = wrote.error();
      full = error == std::errc::no_space_on_device;
      filled = full;
      break;
    }
    written += length;
    PaceWrites(*file, length, sinceWriteback);
    const std::uint64_t share = UsedShare(free - length, initial);
    window.SetFilePosition(share);
    window.SetPassPosition(share);
    previous = length;
    // A file system whose free space does not shrink as the file grows would never end.
    if (last || (space->total > 0 && written > space->total)) break;
  }
  // What is still free while the file holds all it could take.
  const auto left = filled && !stopRequested() ? ask() : std::nullopt;
  if (reserve) reserve->Restore();
  if (filled && !stopRequested() && !moved) {
    // On the device before the first pass starts, so that the pass does not wait for it.
    SettleWrites(*file, written);
    Flush(*file);
  } else if (!moved) {
    GiveBack(*file);  // deleted below without being wiped
  }
  file.reset();
  if (moved) {
    // Another file system has taken the root's place: the path names a file there now, which
    // is neither wiped nor deleted.
    Fail(root, TWipeFailureReason::NoLongerMounted);
    return;
  }
  if (!filled) {
    files.deleteFile(temporary);
    Fail(root, TWipeFailureReason::FreeSpaceFillFailed, error);
    return;
  }
  const std::size_t failedBefore = Failures.size();
  if (!stopRequested() && copyOnWrite) {
    Notes.push_back({root,
                     TWipeFailureReason::FilledOnce,
                     {},
                     fileSystem + " writes every pass over a file to new blocks"});
  } else if (!stopRequested()) {
    // The fill itself wrote the free space: where the passes over its file land is no matter.
    const bool checked = std::exchange(checkReach_, false);
    WipeFile(TWipeItem(wkFile, temporary));
    checkReach_ = checked;
  }
  // After a cancel this removes the unwiped file; after the wipe there is nothing left. A
  // temporary file whose pass failed is removed too (it holds only what the run wrote), and the
  // drive is named with the pass that failed.
  if (files.deleteFile(temporary)) {
    for (std::size_t i = failedBefore; i < Failures.size(); ++i) {
      TWipeFailure& failure = Failures[i];
      if (failure.Path != temporary || failure.Reason != TWipeFailureReason::PassFailed) continue;
      failure.Path = root;
      failure.Reason = TWipeFailureReason::FreeSpaceNotWiped;
    }
  }
  if (stopRequested()) {
    stoppedInDrive_ = root;
    return;
  }
  if (left) reportUnreached(*left, full, cluster);
  // The blocks the wiped file held are free again: an SSD may now be told so, on the file
  // system that was wiped.
  const bool discard = run().Settings.DiscardFreeBlocks;
  if (discard && !files.info(temporary) && ask() && !moved) {
    DiscardFreeBlocks(root, bound->total);
  }
}
