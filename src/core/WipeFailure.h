#pragma once
// What a run says of a job it could not finish, or of what else the user must know of it: the
// reason, the path, the system's reason and the words for the user.

#include <string>
#include <system_error>

// Why a run left a chosen file or folder behind, or what else the user must know of a job.
enum class TWipeFailureReason {
  NoMethod,                 // no wipe method is chosen for the engine
  CannotOpen,               // the file could not be opened for writing
  PassFailed,               // a pass could not be written completely: the file is kept
  CannotDelete,             // the file was overwritten but could not be deleted
  FolderNotRemoved,         // the folder could not be removed (it still holds something)
  KeptByUser,               // the user chose not to wipe an executable file
  FreeSpaceFileNotCreated,  // the temporary file for the free space could not be created
  FreeSpaceFillFailed,      // the free space could not be filled completely
  NoFreeSpace,              // the drive had no free space to wipe
  SharedContent,            // the file has other hard links: its content is shared, left whole
  Changed,                  // the entry was replaced while the run went on (another file, a link)
  CannotList,               // the folder could not be listed: what it holds was not reached
  NotFound,                 // the path no longer existed when its turn came (nothing was left)
  DeletedUnwiped,           // deleted without being overwritten: the method has no passes
  MethodNotReadWhole,       // the method's file could not be read whole, so it is not used
  NoLongerMounted,          // the drive listed is no longer mounted there: nothing was written
  ReserveUnreachable,       // free space reserved for the administrator could not be reached
  NeedsAdministrator,       // no folder of the file system may be written without root
  Interrupted,              // an unexpected error stopped the job (or the file) part-way
  VerificationFailed,       // a pass read back differs from what it wrote, or could not be read
  NotDiscarded,             // a note: the free blocks could not be discarded after the wipe
  JournalNotCleared,        // old copies of deleted names stay in the file system's journal
  FreeSpaceNotWiped,        // a pass over the free space's temporary file failed (file removed)
  MountedReadOnly,          // the drive is mounted read-only: nothing was written
  LeftoverRemoved,          // a note: an interrupted free-space wipe's temporary file was removed
  SystemFileSystem,         // on a file system of the system (proc, sysfs, ...): never written
  // The file system journals file contents too (data=journal) and its journal could not be
  // cleared: copies of the content of the files deleted there remain in it.
  JournalContentRemains,
  // Deleted, but the file system wrote the passes to other blocks: the old content lies in its
  // free space until that is wiped (FreeSpaceRoot names the drive).
  NotOverwrittenInPlace,
  // Deleted, but its blocks belong to a snapshot or another file too: its content stays there.
  SharedBlocks,
  // A note: the space a copy-on-write file system keeps for its own metadata, which no file can
  // fill (Detail says how much).
  KeptForMetadata,
  // A note: on a file system that writes every change to new blocks, the free space was
  // overwritten once, by the fill; passes over the filled file would have gone nowhere else.
  FilledOnce,
  // A note: old copies of deleted names may stay in the metadata of a file system that writes
  // every change to new blocks (btrfs); Detail says what the run did about them, or could not.
  // After a free-space wipe that moved the metadata first (so the fill reached the old names),
  // FreeSpaceRoot names the drive.
  NamesInMetadata,
  // A job handed over by another process whose path no longer names the entry that process saw
  // (replaced, or reached through a link now): nothing of it was touched.
  ReplacedSinceChosen,
  // Another free-space wipe of the drive (the user's own, from this program or another) is
  // running: nothing was written, and its temporary file was left to it.
  FreeSpaceRunning,
  // A mount point met on the way (a file system mounted there, or a file or folder bound over
  // it): not entered, never written or removed; Detail names the type of file system there.
  MountPoint,
  // Deleted, but the check of the device after the run found its old content or its name there
  // (Detail says what and at which device offsets).
  FoundOnDevice,
  // A note: the check of the device after the run could not verify the file (Detail says why).
  NotVerifiedOnDevice,
  // The names of files the run deleted can still be read on the device: Detail says where (the
  // file system's journal, its metadata, its folder blocks) and what finishes it; FreeSpaceRoot
  // names the drive whose free-space wipe does, when one does.
  NamesRemain,
};

struct TWipeFailure {
  std::string Path;
  TWipeFailureReason Reason;
  std::error_code Error{};  // the system's reason, when the system gave one
  std::string Detail{};     // more words for the user (how much was unreachable, ...), or empty
  // The root of the drive whose free-space wipe finishes what the run could not reach, or empty.
  std::string FreeSpaceRoot{};
  bool operator==(const TWipeFailure&) const = default;
};

// A short text that says why, for the list shown after a run ("could not be opened", ...).
std::string WipeFailureText(TWipeFailureReason reason);
// The whole reason of one entry: the short text, the detail after a colon, and the system's
// reason in brackets ("could not be opened (Permission denied)"); a failed verification says
// where ("verification failed at byte 4096").
std::string DescribeFailure(const TWipeFailure& failure);
// What is said of a mount point that was not entered, `mounted` the type of file system there:
// a system file system's as such ("is on a system file system (proc): not wiped"), any other
// as a mount point ("is a mount point (tmpfs): not entered").
TWipeFailure MountPointFailure(const std::string& path, const std::string& mounted);
// False for what the user should hear of but that did not leave anything chosen behind (a
// path that no longer existed, a note such as a journal not cleared); true for everything else.
bool LeavesSomethingBehind(const TWipeFailure& failure);
