#pragma once
// A named wipe engine with the list of jobs its next run carries out.

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/JournalCleanup.h"
#include "core/OverwriteReach.h"
#include "core/TWipeItem.h"

class TWipeMethod;
class TPass;
class TPassBuffer;
class IWipeProgress;
class WipeRun;
namespace platform {
class File;
class Folder;
struct FileInfo;
struct EntryId;
}  // namespace platform

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
// False for what the user should hear of but that did not leave anything chosen behind (a
// path that no longer existed, a note such as a journal not cleared); true for everything else.
bool LeavesSomethingBehind(const TWipeFailure& failure);

// A temporary file of a free-space wipe that is still there: one that a run killed part-way
// (power loss, kill -9) left behind, filling the drive.
struct TLeftoverFile {
  std::string Path;
  std::uint64_t Size = 0;
};
// The free-space wipe's temporary files found for the drive at `root`: an ordinary file of the
// caller's with a single name, named as the temporary file, in the drive's root or in a folder
// that a run puts the file in when the root may not be written (the home and the temporary
// folder, where they are reached through the drive's own mount).
std::vector<TLeftoverFile> FindFreeSpaceLeftovers(const std::string& root);

class TWipeEngine {
 public:
  TWipeEngine();
  explicit TWipeEngine(std::string name);
  TWipeEngine(const TWipeEngine&) = delete;
  TWipeEngine& operator=(const TWipeEngine&) = delete;
  ~TWipeEngine();

  std::vector<std::unique_ptr<TWipeItem>> Items;  // the jobs of the next run, in order
  IWipeProgress* Progress = nullptr;              // the progress window while a run is on
  bool WarnOnExecutable = false;
  std::string Name;               // key of the engine in the settings' "Engines" section
  TWipeMethod* Method = nullptr;  // the method last recorded for the engine, not owned
  // Whether the last run was stopped: the engine sets it from the run's stop token when the run
  // ends (and clears it when one begins). Setting it does not stop a run; Stop does.
  bool Aborted = false;
  // Asks the run in progress to stop: sets its stop token. Nothing happens between runs.
  void Stop();

  // Appends the job; the engine owns it from then on.
  TWipeItem* AddItem(std::unique_ptr<TWipeItem> item);
  // Takes the job out of the list and frees it; a job that is not in the list is ignored.
  void RemoveItem(const TWipeItem* item);
  // Frees every job.
  void ClearItems();

  // Runs every job in order with the run's settings, method and services, showing the
  // progress window; the run's stop token stops it. Refused (does nothing) while a run
  // of this engine is already going on. The jobs stay in the list; Aborted tells whether the
  // run was stopped, Failures what it left behind. A path given twice is run once; a job that
  // ends on an unexpected error is named (Interrupted) and the run goes on with the next. With
  // the run's EraseJournalNames chosen on (or left at its default, where the file system
  // may be asked to empty its journal at once), the run ends by clearing the old copies of the
  // names it deleted from the journal of each file system it deleted on; a journal that could
  // not be cleared is named (JournalNotCleared) without counting as something left behind. A
  // file system that journals file contents (data=journal) has its journal cleared in every
  // case, and one that could not be is named (JournalContentRemains). A file whose overwrite
  // did not reach its old blocks is deleted and named (NotOverwrittenInPlace, SharedBlocks).
  void Execute(WipeRun& run);
  bool Running() const { return running_; }

  // Makes the engine's wipes of single entries outside Execute (WipeFile, WipeEntry,
  // WipeDirectory, WipeDriveFreeSpace, OverwriteFile) work with the run for the lifetime of
  // the object. Without one they go by a run of their own: default settings, no method, and
  // no windows.
  class RunScope {
   public:
    RunScope(TWipeEngine& engine, WipeRun& run);
    ~RunScope();
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

   private:
    TWipeEngine& engine_;
    WipeRun* previous_;
  };
  // What the last run left behind, in the order met.
  std::vector<TWipeFailure> Failures;
  // What else the user should know of the last run, that left nothing behind (free blocks that
  // could not be discarded).
  std::vector<TWipeFailure> Notes;
  // Files larger than this are shrunk in steps of this many bytes before they are deleted, the
  // windows handling events between steps: the system frees a large file's blocks in one long
  // call otherwise.
  std::uint64_t GiveBackStep = std::uint64_t(32) << 20;
  // Of the last run: how many of its jobs it began, and the file it was overwriting when it was
  // stopped (kept under its own name, not completely overwritten), or empty.
  std::size_t ItemsReached() const { return itemsReached_; }
  const std::string& StoppedInFile() const { return stoppedInFile_; }
  // The drive whose free-space wipe the last run was stopped in (its free space not completely
  // wiped), or empty.
  const std::string& StoppedInDrive() const { return stoppedInDrive_; }

  // Wipes one file: the executable question, the protective attributes cleared, every pass
  // written, then the file renamed to a long meaningless name and deleted. A symbolic link is
  // removed as a link; its target is never touched. A file with other hard links is left
  // whole. Everything after the folder is looked up works relative to the open folder, and the
  // file is written only if it is still the entry that was looked at. A file that a pass could
  // not cover (a write or flush that failed, a pass that has nothing to write with) keeps its
  // name and place, and is named (PassFailed) with the first pass that failed, the byte it
  // failed at and the reason.
  void WipeFile(const TWipeItem& item);
  // 0 when all passes were run (or the run was cancelled in between), 1 when the file could not
  // be wiped.
  int OverwriteFile(const TWipeItem& item);
  // One pass over the file that OverwriteFile has open, from its current position (offset 0):
  // the pass's buffer of BufferSize bytes (or `text` repeated, when not empty) written block
  // after block, then forced to the device. False when the pass could not cover the file's
  // bytes (or when no file is open).
  bool WritePass(const TPass& pass, const std::string& text);
  void WipeFolder(const TWipeItem& item);
  // Wipes the entry `name` of the open folder (`path` names it for the user), which was
  // `listed` a moment ago: a link is removed as a link, a file is overwritten and deleted. True
  // when the entry is still there afterwards (and named in Failures).
  bool WipeEntry(platform::Folder& folder, const std::string& path, const std::string& name,
                 const platform::FileInfo& listed, const std::string& caption);
  // Wipes the files of the folder that match the mask, then (with recurse) its subfolders,
  // depth first, and removes the emptied folders unless keepFolders. False when the folder
  // itself could not be removed. The walk goes from open folder to open folder and never
  // follows a link; an entry replaced after it was listed is left and named.
  bool WipeDirectory(const std::string& folder, const std::string& mask, bool recurse,
                     bool keepFolders);
  // Fills the free space of the drive holding Item.Path with a temporary file in the drive's
  // root, wipes that file with every pass and deletes it. The caller's own temporary files of
  // interrupted runs on that drive are removed first (each a note); an entry of that name that
  // is not the caller's own is never written, and a read-only mount is not written at all.
  void WipeDriveFreeSpace(const TWipeItem& item);

 private:
  // The file OverwriteFile is working on.
  struct OpenFile {
    platform::File* file = nullptr;
    std::uint64_t size = 0;  // its size when opened
    std::uint32_t clusterSize = 1;
    int passNumber = 0;  // the pass being written, counted from 1, and how many there are
    int passTotal = 0;
    // The first pass that could not cover the file: where it stopped and why.
    struct PassFailure {
      int pass = 0;
      std::uint64_t at = 0;   // the first byte of the pass not known to be on the device
      std::error_code error;  // the system's reason, when the system gave one
      std::string why;        // the engine's own reason otherwise
    };
    std::optional<PassFailure> failure;
    // Where the last failed write of the pass left the file, and the system's reason.
    std::uint64_t writeFailedAt = 0;
    std::error_code writeError;
    // The first difference (or read error) a verification met, when one did.
    std::optional<std::uint64_t> unverifiedAt;
    std::error_code verifyError;
  };
  // How the overwrite of one file ended: not written (and named), gone before it could be
  // opened, every pass written, or nothing to write (a method without passes).
  enum class Overwrite { Failed, Gone, Done, WithoutPasses };
  // How the walk of a folder ended: everything in it gone, something left (and named), or the
  // folder could not be listed (named too).
  enum class WalkEnd { Emptied, LeftSome, NotListed };

  void Fail(const std::string& path, TWipeFailureReason reason, std::error_code error = {},
            std::string detail = {}, std::string freeSpaceRoot = {});
  // Something in the open folder was deleted: its file system's journal is cleared at the end.
  void NoteDeletion(const platform::Folder& folder);
  // After the run's last deletion: clears the journals noted, the progress window showing it.
  void ClearJournals();
  // Records why an entry could not be reached: replaced, gone, or `otherwise` with the system's
  // reason. False when nothing is left of it (it was gone).
  bool FailReaching(const std::string& path, const std::error_code& error,
                    TWipeFailureReason otherwise);
  IWipeProgress& progress();
  void ProcessMessages();
  // The run the engine works with now (its own silent one outside a run).
  WipeRun& run();
  // Whether the run in progress was asked to stop.
  bool stopRequested() const;
  // Runs one job of the list.
  void RunItem(const TWipeItem& item);
  Overwrite OverwriteEntry(platform::Folder& folder, const std::string& path,
                           const std::string& name, const platform::EntryId& listed,
                           const std::string& caption);
  // Wipes what the open folder holds (its path for the user ends in a separator).
  WalkEnd WipeIn(platform::Folder& folder, const std::string& base, const std::string& mask,
                 bool recurse);
  // Opens the folder `name` of `parent` if it is still the one listed, wipes what it holds and
  // removes it. True when it is still there afterwards.
  bool WipeSubfolder(platform::Folder& parent, const std::string& path, const std::string& name,
                     const platform::EntryId& listed, const std::string& mask, bool recurse);
  // Removes the emptied folder if it is still the one walked. False (and named) when it stays.
  bool RemoveWalkedFolder(platform::Folder& parent, const std::string& path,
                          const std::string& name, const platform::EntryId& walked, WalkEnd walk);
  // Keeps the first failure of the open file's overwrite: the pass being written, the byte
  // (counted from the pass's start) and the reason.
  void NotePassFailure(std::uint64_t at, std::error_code error, std::string why = {});
  // Writes the pass's bytes from `from` up to `to`, in pieces. Returns false on a write error.
  bool WriteRange(TPassBuffer& buffer, std::uint64_t from, std::uint64_t to,
                  std::uint64_t& sinceWriteback);
  // After writing `written` bytes: starts write-back now and then, and keeps what has not
  // reached the device bounded.
  void PaceWrites(platform::File& file, std::uint64_t written, std::uint64_t& sinceWriteback);
  // Waits, in steps with the windows handling events between them, until what was written
  // last (`recent` bytes before the position) has reached the device, so that the flush that
  // follows is short.
  void SettleWrites(platform::File& file, std::uint64_t recent);
  // Forces what was written to the device, the windows handling events while it goes on.
  platform::Status Flush(platform::File& file);
  // Lets the windows handle events, then waits until the device has taken the next piece of
  // what is on its way to it.
  void WaitForDevice(platform::File& file);
  // Reads the pass just written and flushed back from `start` up to `end` and compares it with
  // the buffer's bytes; the first difference or read error is kept for the file.
  void VerifyPass(const TPassBuffer& written, std::uint64_t start, std::uint64_t end);
  // Shrinks the open file to nothing in steps of GiveBackStep, handling events between them,
  // when it is larger than one step.
  void GiveBack(platform::File& file);
  // Renames the overwritten file to the long name and deletes it. False (and named) when it
  // stays.
  bool DeleteWipedFile(platform::Folder& folder, const std::string& path, const std::string& name,
                       const platform::EntryId& id);
  // Removes the entry `name` of the folder, giving a large file back in steps first if it is
  // still the file `id`.
  platform::Status RemoveWipedEntry(platform::Folder& folder, const std::string& name,
                                    const platform::EntryId& id);
  // Asks the file system at `root` (`total` bytes large) to discard its free blocks, in steps;
  // a note when it cannot.
  void DiscardFreeBlocks(const std::string& root, std::uint64_t total);
  // Removes a symbolic link as a link. False (and named) when it cannot be removed.
  bool RemoveLink(platform::Folder& folder, const std::string& path, const std::string& name);
  // True (and named) when the folder lies on a system file system, where nothing is touched.
  bool OnSystemFileSystem(platform::Folder& folder, const std::string& path);

  // Records what the file system did with the overwrite of the file just deleted, when its old
  // blocks were not reached.
  void NoteReach(const std::string& path, const TReachVerdict& verdict);

  bool running_ = false;
  // Whether a file's layout is looked at around its passes (not for the free space's own file),
  // and the verdict on the last file overwritten.
  bool checkReach_ = true;
  TReachVerdict reach_;
  std::optional<JournalCleanup> journal_;  // while a run is on
  WipeRun* run_ = nullptr;
  std::unique_ptr<WipeRun> ownRun_;  // the run outside Execute and RunScope
  OpenFile* open_ = nullptr;
  // The size of the file last overwritten, when it was known (the largest value otherwise).
  std::uint64_t wipedSize_ = std::numeric_limits<std::uint64_t>::max();
  std::size_t itemsReached_ = 0;
  std::string stoppedInFile_;
  std::string stoppedInDrive_;
};
