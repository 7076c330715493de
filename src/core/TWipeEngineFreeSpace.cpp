// Wiping the free space of a drive: a temporary file on the file system that was listed fills
// all the space the caller may write, and is then wiped with every pass and deleted.

#include <algorithm>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "core/FreeSpaceLock.h"
#include "core/Helpers.h"
#include "core/OverwriteReach.h"
#include "core/ReserveLowering.h"
#include "core/TDeviceWaits.h"
#include "core/TFileOverwriter.h"
#include "core/TPass.h"
#include "core/TPassBuffer.h"
#include "core/TWipeEngine.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/ContainingFolderIn.h"
#include "platform/Drives.h"
#include "platform/Ext4Reserve.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/Journal.h"
#include "platform/PathText.h"

namespace {

constexpr char kTemporaryName[] = "tem1.tmp";
// The second, small temporary file that takes the blocks a file system refused the first one,
// and the most clusters it is given.
constexpr char kTailName[] = "tem2.tmp";
constexpr std::uint64_t kMostTailClusters = 256;
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
  return std::to_string(count) + Tr(" bytes");
}

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

// Why free blocks were not discarded, in the user's words where the reason is a usual one.
std::string WhyNotDiscarded(const std::error_code& error) {
  if (error == std::errc::inappropriate_io_control_operation ||
      error == std::errc::operation_not_supported || error == std::errc::invalid_argument) {
    return Tr("the file system or its device does not support it");
  }
  if (error == std::errc::operation_not_permitted || error == std::errc::permission_denied) {
    return Tr("only the administrator may ask for it");
  }
  return {};
}

// Removes an entry of an open folder that is still the file `id`, a large file given back in
// steps first (the engine's own way of removing what it wiped).
using RemoveEntry = std::function<platform::Status(platform::Folder&, const std::string& name,
                                                   const platform::EntryId& id)>;

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
    // Only the fill's own file: a file named like the small second one may be the user's (it
    // holds a few clusters at the most, so a killed run leaves little).
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
                     const RemoveEntry& remove, std::vector<TWipeFailure>& notes,
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
    if (const platform::Status removed = remove(folder, containing->name, entry->id); !removed) {
      failures.push_back({leftover.Path, TWipeFailureReason::CannotDelete, removed.error(), {}});
      continue;
    }
    notes.push_back({leftover.Path, TWipeFailureReason::LeftoverRemoved});
  }
}

// A file system that keeps a journal of its own records (ext4) writes the blocks it took for
// the temporary files' maps of their pieces (a file of many pieces needs them) through that
// journal, and a block freed before the journal wrote it to its place is never written there: it
// keeps what a deleted file left in it. So everything the journal holds is written to its place
// while the temporary files still hold their blocks, through the folder of the first one, on the
// mount the job writes through. Nothing is done where the journal holds no such blocks.
platform::Status WriteJournalHome(platform::FileSystem& files, const std::string& temporary,
                                  std::uint64_t rootMount) {
  auto place = platform::openContainingFolder(files, temporary);
  if (!place) return place.error();
  const auto there = place->folder->info();
  if (!there) return there.error();
  if (rootMount != 0 && there->mount != rootMount) {
    return std::make_error_code(std::errc::no_such_device);
  }
  return place->folder->writeJournalHome();
}

// Forces the file system holding the temporary file to the device: everything written reaches
// it, and a journal commits. A file system that keeps a journal of its own records (ext4) gives
// out the blocks it freed again only once that freeing is committed; during a fill it takes and
// frees blocks for the temporary file's map of its pieces (where pieces merge again), and the
// fill, ending at the full disk, would never get them back.
platform::Status CommitFileSystem(platform::FileSystem& files, const std::string& temporary) {
  auto place = platform::openContainingFolder(files, temporary);
  if (!place) return place.error();
  return place->folder->syncFileSystem();
}

// Why the fill may have missed blocks when the journal could not be written to its place.
std::string JournalNotWrittenHome(const std::error_code& error) {
  const std::string missed =
      Tr("blocks the file system took for the temporary file's map of its pieces may keep "
         "deleted content");
  if (error == std::errc::operation_not_permitted || error == std::errc::permission_denied) {
    return missed + Tr(": only the administrator may have its journal written to its place");
  }
  return missed + Tr(": its journal could not be written to its place");
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

void TWipeEngine::DiscardFreeBlocks(const std::string& root, std::uint64_t total) {
  progress().ShowFile(Tr("Discarding free blocks..."));
  for (std::uint64_t start = 0; !stopRequested(); start += kDiscardStep) {
    // The last step reaches to the file system's end, whatever its figures left out.
    const bool last = total <= kDiscardStep || start >= total - kDiscardStep;
    const platform::Status done = run().Files.discardFreeBlocks(
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

// One free-space job as it goes: the drive it is bound to, where its temporary file lies, and
// how the fill went.
struct TWipeEngine::FreeSpaceJob {
  std::string root;
  platform::FileSystem* files = nullptr;
  platform::DiskSpace bound;    // the figures of the file system listed, when the job started
  std::uint64_t rootMount = 0;  // the mount the job writes through
  std::string fileSystem;
  // A file system that writes every change to new blocks: the fill is what overwrites its free
  // space, and passes over the filled file would find no free blocks to go to.
  bool copyOnWrite = false;
  bool moved = false;  // another file system has taken the root's place
  std::string temporary;
  // The second temporary file, when the first could not take the last free blocks; or empty.
  std::string tail;
  std::uint64_t cluster = 1;
  // How the fill went.
  bool filled = true;
  bool full = false;          // the file system refused more as full
  bool figuresEnded = false;  // the fill stopped where the file system's figures said space ended
  std::error_code error;
  std::optional<platform::DiskSpace> left;  // what was still free once the file held all it could
  // The file system's free-space lock, held for the whole job when it could be taken.
  platform::FileLock lock;
  std::size_t failuresBefore = 0;       // what the run had named before the fill
  TNamesFinish::MetadataMove metadata;  // whether the metadata was moved before the fill
  // The fill was forced to the device before its last stretch, and why that failed, if it did:
  // the flush at its end may not hear of it again.
  bool drained = false;
  std::error_code flushError;

  // The figures of the bound file system; null when they cannot be asked for, or when another
  // file system has taken the root's place (`moved`).
  std::optional<platform::DiskSpace> Ask() {
    auto now = files->diskSpace(root);
    if (now && now->id != bound.id) {
      moved = true;
      return std::nullopt;
    }
    return now;
  }
};

// The bytes the fill writes: the method's first pass when it has one that can be written, so
// that the fill is that pass; else blocks of the character "0".
class TWipeEngine::FillBytes {
 public:
  FillBytes(std::optional<TPass> pass, std::int64_t bufferSize, std::uint64_t zeros) {
    if (pass) buffer_.emplace(*pass, std::string(), bufferSize);
    if (!buffer_) zeros_.assign(static_cast<std::size_t>(zeros), '0');
    if (pass) pass_ = std::move(*pass);
  }
  bool IsFirstPass() const { return buffer_.has_value(); }
  const TPass& Pass() const { return pass_; }
  TPassBuffer& Buffer() { return *buffer_; }
  // Between 1 and `most` bytes for the file from `offset` on (most > 0).
  std::string_view Bytes(std::uint64_t offset, std::uint64_t most) {
    if (buffer_) return buffer_->Bytes(offset, most);
    return std::string_view(zeros_).substr(0, static_cast<std::size_t>(most));
  }

 private:
  std::optional<TPassBuffer> buffer_;
  TPass pass_;
  std::string zeros_;
};

void TWipeEngine::WipeDriveFreeSpace(const TWipeItem& item) {
  FreeSpaceJob job;
  if (!BindDrive(item, job)) return;
  // One free-space run of the user per file system: a second would take the first's temporary
  // file for a leftover, and put its reserve back while it fills. Where no lock can be made (the
  // settings folder may not be written) the job goes on without one, and leaves what it cannot
  // tell from a live run's alone.
  if (auto lock = TakeFreeSpaceLock(job.bound.id.device)) {
    job.lock = std::move(*lock);
  } else if (platform::FileLock::isLockedError(lock.error())) {
    Fail(job.root, TWipeFailureReason::FreeSpaceRunning);
    return;
  }
  std::unique_ptr<platform::File> file = PlaceTemporaryFile(job);
  if (!file) return;
  // btrfs moves its metadata first, so that the fill reaches where old names were.
  job.metadata =
      names_.MoveMetadata(Turns(), job.root, job.fileSystem, job.bound.id.device, job.rootMount);
  IWipeProgress& window = progress();
  window.ShowFile(Tr("Creating temporary file..."));
  window.SetFileRange(100);
  window.SetPassRange(100);
  const auto space = job.Ask();
  if (job.moved) {
    Fail(job.root, TWipeFailureReason::NoLongerMounted);
    return;
  }
  if (!space || space->available == 0) {
    file.reset();
    RemoveTemporaryFile(job);
    if (!space) {
      Fail(job.root, TWipeFailureReason::FreeSpaceFillFailed);
      return;
    }
    Fail(job.root, TWipeFailureReason::NoFreeSpace);
    ReportUnreached(job, *space);
    return;
  }
  // The clusters ext4 keeps back from everyone are given to the fill while it runs (where the
  // caller may change that: the administrator), and kept back again straight after.
  // Its record belongs to this job, which holds the file system's lock.
  std::optional<TReserveLowering> reserve;
  if (const platform::JournalInfo kind = run().Journals.inspect(job.root);
      kind.ext4 && job.lock.held()) {
    reserve.emplace(run().Files, kind.device, platform::ext4ReserveFolder(),
                    ReserveRecordFile(job.bound.id.device));
  }
  const auto widened = reserve && reserve->Lowered() ? job.Ask() : std::nullopt;
  const std::uint64_t initial =
      widened ? std::max(widened->available, space->available) : space->available;
  // Before the fill: the drive is bound, its temporary file made and its free space known.
  job.failuresBefore = Failures.size();
  const FillEnd fill = Fill(job, *file, initial, *space, reserve);
  file.reset();
  if (job.moved) {
    // Another file system has taken the root's place: the path names a file there now, which
    // is neither wiped nor deleted.
    Fail(job.root, TWipeFailureReason::NoLongerMounted);
    return;
  }
  if (!job.filled) {
    RemoveTemporaryFile(job);
    Fail(job.root, TWipeFailureReason::FreeSpaceFillFailed, job.error);
    return;
  }
  WipeAndReport(job, fill);
}

bool TWipeEngine::BindDrive(const TWipeItem& item, FreeSpaceJob& job) {
  if (!platform::isAbsolutePath(item.Path)) return false;
  job.root = AddTrailingBackslash(item.Path);
  job.files = &run().Files;
  const std::string& root = job.root;
  // The job is bound to the file system that was listed: the root must still be its mount
  // point. Asking for the drive that holds the path instead would fill whatever file system lies
  // under a drive that was unmounted in the meantime.
  const auto here = job.files->info(root);
  const bool mountPoint =
      here && here->kind == platform::EntryKind::Folder && run().Drives.isMountPoint(root);
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
  job.fileSystem = run().Drives.fileSystem(root);
  job.copyOnWrite = WritesElsewhere(job.fileSystem);
  return true;
}

std::unique_ptr<platform::File> TWipeEngine::PlaceTemporaryFile(FreeSpaceJob& job) {
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
    RemoveLeftovers(
        files, job.root,
        [this](platform::Folder& in, const std::string& name, const platform::EntryId& id) {
          return RemoveWipedEntry(in, name, id);
        },
        Notes, Failures);
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
    if (made && there && there->id == made->id && there->size == 0) RemoveTemporaryFile(job);
    Fail(job.root, TWipeFailureReason::NoLongerMounted);
    return nullptr;
  }
  return file.release();
}

std::optional<TWipeEngine::FirstPass> TWipeEngine::FirstPassToFillWith() {
  const std::optional<WipeRunMethod>& method = run().Method;
  if (!method || !method->ReadWhole || method->Passes.empty()) return std::nullopt;
  const TPass& pass = method->Passes.front();
  // Only a pass that has bytes to write: any other fails as the first pass over the file.
  const std::int64_t bufferSize = run().Settings.BufferSize;
  const bool known = pass.WipeWith == wwBytePattern || pass.WipeWith == wwRandomCharacter ||
                     pass.WipeWith == wwRandomBytes ||
                     (pass.WipeWith == wwTextPattern && !pass.TextPatternValue.empty());
  if (bufferSize < 1 || !known) return std::nullopt;
  const int total =
      static_cast<int>(method->Passes.size()) + (run().Settings.WriteSignature ? 1 : 0);
  return FirstPass{pass, total};
}

TWipeEngine::FillEnd TWipeEngine::Fill(FreeSpaceJob& job, platform::File& file,
                                       std::uint64_t initial, const platform::DiskSpace& space,
                                       std::optional<TReserveLowering>& reserve) {
  // While much space is left the file grows by BufferSize rounded down to whole clusters; the
  // last stretch goes one cluster at a time, asking for the free space before each write, so
  // the file ends where the space ends.
  const std::int64_t bufferSize = run().Settings.BufferSize;
  const std::uint64_t wanted =
      std::clamp<std::int64_t>(bufferSize, 0, static_cast<std::int64_t>(TPassBuffer::kMaxHeld));
  const std::uint64_t large = std::max(wanted / job.cluster * job.cluster, job.cluster);
  const std::optional<FirstPass> first = FirstPassToFillWith();
  FillBytes bytes(first ? std::optional<TPass>(first->pass) : std::nullopt, bufferSize, large);
  const std::uint64_t written = FillUp(job, file, bytes, initial, large, space.total);
  FillTail(job, bytes, space.total);
  // What is still free while the files hold all they could take.
  job.left = job.filled && !stopRequested() ? job.Ask() : std::nullopt;
  if (reserve) reserve->Restore();
  // The program's random numbers go on from where the whole pass would have left them.
  if (bytes.IsFirstPass()) bytes.Buffer().Finish();
  if (!job.filled || stopRequested() || job.moved) {
    if (!job.moved) GiveBack(file);  // deleted without being wiped
    return FillEnd::Zeros;
  }
  // On the device before the next pass starts, so that the pass does not wait for it.
  TDeviceWaits device(Turns());
  device.Settle(file, written);
  const platform::Status flushed =
      job.flushError ? platform::Status(job.flushError) : device.Flush(file);
  if (!bytes.IsFirstPass()) {
    if (!flushed) {
      job.filled = false;
      job.error = flushed.error();
    }
    return FillEnd::Zeros;
  }
  TFileOverwriter written1(file, written, static_cast<std::uint32_t>(job.cluster), Turns());
  if (!flushed) {
    written1.NoteFailure(1, 0, flushed.error());
    FailPass(job.temporary, *written1.Failure());
    return FillEnd::FirstPassFailed;
  }
  if (first->pass.CheckWipe && !stopRequested()) {
    written1.Verify(bytes.Buffer(), 0, written, 1, first->total);
    if (written1.UnverifiedAt()) {
      Fail(job.temporary, TWipeFailureReason::VerificationFailed, written1.VerifyError(),
           Tr("at byte ") + std::to_string(*written1.UnverifiedAt()));
    }
  }
  return FillEnd::FirstPass;
}

void TWipeEngine::FillTail(FreeSpaceJob& job, FillBytes& bytes, std::uint64_t total) {
  // The fill ends where the file system says its space ends, or where it refuses the file more.
  // Either may leave free blocks: ext4 refuses a large file its last ones when taking them would
  // also take a block for the file's own map of its extents, and its figures can count blocks
  // as taken that are free again. A new small file keeps its map in its inode; it is written a
  // cluster at a time until the file system refuses it. A file system that writes elsewhere
  // keeps what is left for its metadata.
  if (!job.filled || !(job.full || job.figuresEnded) || job.copyOnWrite || stopRequested() ||
      job.moved) {
    return;
  }
  // What the file system freed during the fill becomes free only after a commit: it comes
  // first, so that the second file takes those blocks too. A file system that cannot be forced
  // to the device is named when its journal is written to its place, before the files go.
  (void)CommitFileSystem(*job.files, job.temporary);
  const std::string tail = platform::folderPartOf(job.temporary) + kTailName;
  auto file = job.files->createOwnFile(tail);
  if (!file) return;  // what stays free is told as unreached
  job.tail = tail;
  const auto made = file->info();
  if (job.rootMount != 0 && (!made || made->mount != job.rootMount)) return;
  // A few clusters at the most: the fill took everything else.
  const std::uint64_t most = std::min(total, kMostTailClusters * job.cluster);
  for (std::uint64_t written = 0; written < most && !stopRequested(); written += job.cluster) {
    ProcessMessages();
    if (const platform::Status wrote = WriteFill(*file, bytes, job.cluster); !wrote) {
      job.full = wrote.error() == std::errc::no_space_on_device;
      if (!job.full) {
        job.filled = false;
        job.error = wrote.error();
      }
      break;
    }
  }
  if (file->position() == 0) {
    // Refused at once: nothing of it to wipe.
    file.reset();
    RemoveTemporaryFile(job, tail);
    job.tail.clear();
    return;
  }
  // The method's passes go over it as over any file of the run: it holds only a few clusters.
  TDeviceWaits device(Turns());
  device.Settle(*file, file->position());
  if (const platform::Status flushed = device.Flush(*file); !flushed && !job.flushError) {
    job.flushError = flushed.error();
  }
}

std::uint64_t TWipeEngine::FillUp(FreeSpaceJob& job, platform::File& file, FillBytes& bytes,
                                  std::uint64_t initial, std::uint64_t large, std::uint64_t total) {
  IWipeProgress& window = progress();
  TDeviceWaits device(Turns());
  std::uint64_t previous = 0;
  std::uint64_t sinceWriteback = 0;
  for (;;) {
    ProcessMessages();
    if (stopRequested()) break;
    // Asked right before each write: the figures must still be those of the bound file system.
    const auto now = job.Ask();
    if (!now) {
      job.filled = false;
      break;
    }
    const std::uint64_t free = now->available;
    // Before the last stretch, what was written goes to the device, the windows handling
    // events: a file system that is nearly full (ext4) makes the next small write wait for
    // everything still in the cache otherwise, in one long call.
    if (free < 2 * large && !job.drained) {
      job.drained = true;
      device.Settle(file, file.position());
      const platform::Status flushed = device.Flush(file);
      if (!flushed && !job.flushError) job.flushError = flushed.error();
    }
    std::uint64_t length = job.cluster;
    bool last = false;
    if (free < job.cluster) {
      // What is left of a cluster; after a partial write (or none) this is the last turn.
      length = free;
      last = previous < job.cluster;
    } else if (free >= 2 * large) {
      length = large;
    }
    if (const platform::Status wrote = WriteFill(file, bytes, length); !wrote) {
      // No space left is where the fill ends, even when the figures promised more.
      job.error = wrote.error();
      job.full = job.error == std::errc::no_space_on_device;
      job.filled = job.full;
      break;
    }
    device.Pace(file, length, sinceWriteback);
    const std::uint64_t share = UsedShare(free - length, initial);
    window.SetFilePosition(share);
    window.SetPassPosition(share);
    previous = length;
    // A file system whose free space does not shrink as the file grows would never end.
    if (last) job.figuresEnded = true;
    if (last || (total > 0 && file.position() > total)) break;
  }
  return file.position();
}

platform::Status TWipeEngine::WriteFill(platform::File& file, FillBytes& bytes,
                                        std::uint64_t length) {
  // An empty write too, where the space ends within a cluster.
  if (length == 0) return file.write("", 0);
  for (std::uint64_t done = 0; done < length;) {
    const std::string_view piece = bytes.Bytes(file.position(), length - done);
    if (piece.empty()) {
      // Why the pass's bytes could not be made, where its buffer says.
      const std::error_code made = bytes.IsFirstPass() ? bytes.Buffer().Error() : std::error_code{};
      return made ? made : std::make_error_code(std::errc::io_error);
    }
    if (const platform::Status wrote = file.write(piece.data(), piece.size()); !wrote) {
      return wrote;
    }
    done += piece.size();
  }
  return {};
}

void TWipeEngine::WipeAndReport(FreeSpaceJob& job, FillEnd fill) {
  if (fill != FillEnd::FirstPassFailed && !stopRequested() && job.copyOnWrite) {
    Notes.push_back({job.root,
                     TWipeFailureReason::FilledOnce,
                     {},
                     job.fileSystem + Tr(" writes every pass over a file to new blocks")});
  } else if (fill != FillEnd::FirstPassFailed && !stopRequested()) {
    // Before the wipe of the temporary files deletes them.
    if (const platform::Status home = WriteJournalHome(*job.files, job.temporary, job.rootMount);
        !home) {
      Fail(job.root, TWipeFailureReason::FreeSpaceNotWiped, home.error(),
           JournalNotWrittenHome(home.error()));
    }
    // The fill itself wrote the free space: where the passes over its file land is no matter.
    const bool checked = std::exchange(checkReach_, false);
    firstPassWritten_ = fill == FillEnd::FirstPass;
    WipeFile(TWipeItem(wkFile, job.temporary));
    firstPassWritten_ = false;
    // Every pass over the second file, the first one included: it was written only to take
    // the blocks.
    if (!job.tail.empty() && !stopRequested()) WipeFile(TWipeItem(wkFile, job.tail));
    FinishFlushes();
    checkReach_ = checked;
  }
  // After a cancel this removes the unwiped file; after the wipe there is nothing left. A
  // temporary file whose pass failed is removed too (it holds only what the run wrote), and the
  // drive is named with the pass that failed.
  if (RemoveTemporaryFile(job)) {
    for (std::size_t i = job.failuresBefore; i < Failures.size(); ++i) {
      TWipeFailure& failure = Failures[i];
      if ((failure.Path != job.temporary && failure.Path != job.tail) ||
          failure.Reason != TWipeFailureReason::PassFailed) {
        continue;
      }
      failure.Path = job.root;
      failure.Reason = TWipeFailureReason::FreeSpaceNotWiped;
    }
  }
  if (stopRequested()) {
    stoppedInDrive_ = job.root;
    return;
  }
  if (job.left) ReportUnreached(job, *job.left);
  // The blocks the wiped file held are free again: an SSD may now be told so, on the file
  // system that was wiped.
  const bool discard = run().Settings.DiscardFreeBlocks;
  if (discard && !job.files->info(job.temporary) && job.Ask() && !job.moved) {
    DiscardFreeBlocks(job.root, job.bound.total);
  }
  names_.NoteNamesInMetadata(job.root, job.fileSystem, job.metadata);
}

void TWipeEngine::ReportUnreached(const FreeSpaceJob& job, const platform::DiskSpace& left) {
  // Free space the fill could not reach: the administrator's reserve when the caller may not
  // write into it, and what the file system kept back when it said it was full.
  if (left.free > left.available) {
    Fail(job.root, TWipeFailureReason::ReserveUnreachable, {}, Bytes(left.free - left.available));
  }
  if (!job.full || left.available < job.cluster) return;
  if (job.copyOnWrite) {
    // What stays free is the room the file system keeps for its metadata.
    Notes.push_back({job.root,
                     TWipeFailureReason::KeptForMetadata,
                     {},
                     Bytes(left.available) + " of " + job.fileSystem});
    return;
  }
  Fail(job.root, TWipeFailureReason::FreeSpaceFillFailed,
       std::make_error_code(std::errc::no_space_on_device),
       Bytes(left.available) + Tr(" the file system keeps back could not be written"));
}

bool TWipeEngine::RemoveTemporaryFile(const FreeSpaceJob& job) {
  if (!job.tail.empty()) RemoveTemporaryFile(job, job.tail);
  return RemoveTemporaryFile(job, job.temporary);
}

bool TWipeEngine::RemoveTemporaryFile(const FreeSpaceJob& job, const std::string& path) {
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
  wipedSize_ = entry->size;
  const platform::Status removed = RemoveWipedEntry(*place->folder, place->name, entry->id);
  if (!removed) {
    // The drive stays full until the file is removed by hand.
    Fail(path, TWipeFailureReason::CannotDelete, removed.error(), FillsTheDrive(job.root));
    return false;
  }
  return true;
}
