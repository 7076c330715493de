// Where a free-space wipe writes: the drive bound, its temporary file placed, the caller's
// leftovers of interrupted runs found and removed, and the job's own files removed at its end.

#include "core/TFreeSpacePlace.h"

#include <algorithm>
#include <utility>

#include "core/FreeSpaceLock.h"
#include "core/Helpers.h"
#include "core/OverwriteReach.h"
#include "core/TFreeSpaceJob.h"
#include "core/TWipeItem.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "platform/ContainingFolderIn.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

namespace {

constexpr char kTemporaryName[] = "tem1.tmp";

// Why a temporary file that stays matters.
std::string FillsTheDrive(const std::string& root) {
  return Tr("it fills the free space of ") + root;
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

// The temporary files of this user's runs found for the drive at `root`, whether a run goes on or
// not (FindFreeSpaceLeftovers).
std::vector<TLeftoverFile> TemporaryFilesOf(platform::FileSystem& files, const std::string& root) {
  std::vector<TLeftoverFile> found;
  if (!platform::isAbsolutePath(root)) return found;
  const auto rootSpace = files.diskSpace(root);
  if (!rootSpace) return found;
  std::vector<std::string> folders{AddTrailingBackslash(root)};
  for (const auto& fallback : FallbackFolders(files, *rootSpace, MountOf(files, root))) {
    folders.push_back(fallback.first);
  }
  for (const std::string& folder : folders) {
    // Only the fill's own file: a file named like the small ones may be the user's (they hold a
    // few clusters and the file system's reserve at the most, so a killed run leaves little).
    for (const char* name : {kTemporaryName}) {
      const std::string path = folder + name;
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
  }
  return found;
}

// Removes the temporary files that interrupted runs of this user left for the drive, so that
// their space is filled and wiped with the rest; each is re-checked where it lies before its
// name goes. The caller holds the drive's free-space lock, so no run of this user is using
// them. What was removed comes back as notes, what could not be as failures.
void RemoveLeftovers(platform::FileSystem& files, const std::string& root,
                     const TFreeSpacePlace::RemoveOwnFile& remove, std::vector<TWipeFailure>& notes,
                     std::vector<TWipeFailure>& failures) {
  for (const TLeftoverFile& leftover : TemporaryFilesOf(files, root)) {
    auto containing = platform::openContainingFolder(files, leftover.Path);
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
    if (const platform::Status removed = remove(folder, containing->name, entry->id, entry->size);
        !removed) {
      failures.push_back({leftover.Path, TWipeFailureReason::CannotDelete, removed.error(), {}});
      continue;
    }
    notes.push_back({leftover.Path, TWipeFailureReason::LeftoverRemoved});
  }
}

}  // namespace

platform::Result<std::string> FreeSpaceFileFolder(const std::string& root) {
  if (!platform::isAbsolutePath(root)) return std::make_error_code(std::errc::invalid_argument);
  platform::FileSystem& files = platform::fs();
  // The drive's own top folder, not the nearest one that is there.
  const auto top = files.info(root);
  if (!top) return top.error();
  if (!top->isFolder()) return std::make_error_code(std::errc::not_a_directory);
  const auto rootSpace = files.diskSpace(root);
  if (!rootSpace) return rootSpace.error();
  if (rootSpace->readOnly) return std::make_error_code(std::errc::read_only_file_system);
  return FolderForTemporaryFile(files, root, *rootSpace, MountOf(files, root));
}

std::vector<TLeftoverFile> FindFreeSpaceLeftovers(const std::string& root) {
  if (!platform::isAbsolutePath(root)) return {};
  // A run that goes on holds the lock of its file system: its file is no leftover.
  const auto rootSpace = platform::fs().diskSpace(root);
  if (!rootSpace || FreeSpaceRunHolds(rootSpace->id.device)) return {};
  return TemporaryFilesOf(platform::fs(), root);
}

TFreeSpacePlace::TFreeSpacePlace(WipeRun& run, std::vector<TWipeFailure>& failures,
                                 std::vector<TWipeFailure>& notes, RemoveOwnFile remove)
    : run_(run), failures_(failures), notes_(notes), remove_(std::move(remove)) {}

void TFreeSpacePlace::Fail(const std::string& path, TWipeFailureReason reason,
                           std::error_code error, std::string detail) {
  failures_.push_back({path, reason, error, std::move(detail)});
}

bool TFreeSpacePlace::Bind(const TWipeItem& item, TFreeSpaceJob& job) {
  if (!platform::isAbsolutePath(item.Path)) return false;
  job.root = AddTrailingBackslash(item.Path);
  job.files = &run_.Files;
  const std::string& root = job.root;
  // The job is bound to the file system that was listed: the root must still be its mount
  // point. Asking for the drive that holds the path instead would fill whatever file system lies
  // under a drive that was unmounted in the meantime.
  const auto here = job.files->info(root);
  const bool mountPoint =
      here && here->kind == platform::EntryKind::Folder && run_.Drives.isMountPoint(root);
  const auto bound = mountPoint ? job.files->diskSpace(root) : std::nullopt;
  if (!mountPoint || (bound && item.Volume.device != 0 && bound->id != item.Volume)) {
    Fail(root, TWipeFailureReason::NoLongerMounted);
    return false;
  }
  if (!bound) {
    Fail(root, TWipeFailureReason::FreeSpaceFillFailed);
    return false;
  }
  if (bound->readOnly) {
    Fail(root, TWipeFailureReason::MountedReadOnly);
    return false;
  }
  job.bound = *bound;
  job.rootMount = here->mount;
  job.fileSystem = run_.Drives.fileSystem(root);
  job.copyOnWrite = WritesElsewhere(job.fileSystem);
  return true;
}

std::unique_ptr<platform::File> TFreeSpacePlace::Place(TFreeSpaceJob& job) {
  platform::FileSystem& files = *job.files;
  const std::string folder = FolderForTemporaryFile(files, job.root, job.bound, job.rootMount);
  if (folder.empty()) {
    Fail(job.root, TWipeFailureReason::NeedsAdministrator);
    return nullptr;
  }
  // A temporary file that an interrupted run left fills part of the space: it goes first.
  // A leftover fills much of the drive: it is given back in steps, the windows handling events.
  // Only under the file system's lock: without it, the file may be a live run's.
  if (job.lock.held()) {
    RemoveLeftovers(files, job.root, remove_, notes_, failures_);
  }
  job.temporary = folder + kTemporaryName;
  job.cluster = job.bound.clusterSize == 0 ? 1 : job.bound.clusterSize;
  // The program's own new file: an entry of that name that is not this user's leftover (a
  // link, another user's file, a file in a folder everyone may write) is never written.
  auto file = files.createOwnFile(job.temporary);
  if (!file) {
    Fail(job.root, TWipeFailureReason::FreeSpaceFileNotCreated, file.error(), job.temporary);
    return nullptr;
  }
  // Made through the mount the job names, as the folder was chosen: a folder swapped for a
  // link to another mount in between would put the fill elsewhere.
  const auto made = file->info();
  if (job.rootMount != 0 && (!made || made->mount != job.rootMount)) {
    file.reset();
    const auto there = files.info(job.temporary);
    if (made && there && there->id == made->id && there->size == 0) Remove(job);
    Fail(job.root, TWipeFailureReason::NoLongerMounted);
    return nullptr;
  }
  return file.release();
}

bool TFreeSpacePlace::Remove(const TFreeSpaceJob& job) {
  for (const std::string& tail : job.tails) Remove(job, tail);
  return Remove(job, job.temporary);
}

bool TFreeSpacePlace::Remove(const TFreeSpaceJob& job, const std::string& path) {
  // Only the program's own file, reached without links, given back in steps when large.
  auto place = platform::openContainingFolder(*job.files, path);
  const auto entry = place ? place->folder->entry(place->name) : place.error();
  if (!entry) {
    if (entry.error() == std::errc::no_such_file_or_directory) return false;
    Fail(path, TWipeFailureReason::CannotDelete, entry.error(), FillsTheDrive(job.root));
    return false;
  }
  if (entry->kind != platform::EntryKind::File || entry->links != 1 || !entry->ownedByCaller) {
    return false;  // no longer the run's own file: left alone
  }
  const platform::Status removed = remove_(*place->folder, place->name, entry->id, entry->size);
  if (!removed) {
    // The drive stays full until the file is removed by hand.
    Fail(path, TWipeFailureReason::CannotDelete, removed.error(), FillsTheDrive(job.root));
    return false;
  }
  return true;
}
