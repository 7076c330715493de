#pragma once
// A named wipe engine with the list of jobs its next run carries out.

#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "core/JournalCleanup.h"
#include "core/OverwriteReach.h"
#include "core/ReserveLowering.h"
#include "core/TFlushWindow.h"
#include "core/TPass.h"
#include "core/TRunTurns.h"
#include "core/TWipeItem.h"
#include "core/WipeFailure.h"
#include "platform/Result.h"

class NamesLeft;
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

// The progress window's text while a file system's metadata is moved before its free space is
// filled.
extern const char* const kMovingMetadataText;

// A temporary file of a free-space wipe that is still there: one that a run killed part-way
// (power loss, kill -9) left behind, filling the drive.
struct TLeftoverFile {
  std::string Path;
  std::uint64_t Size = 0;
};
// The free-space wipe's temporary files found for the drive at `root`: an ordinary file of the
// caller's with a single name, named as the temporary file, in the drive's root or in a folder
// that a run puts the file in when the root may not be written (the home and the temporary
// folder, where they are reached through the drive's own mount). None while a free-space run
// holds the drive's lock (core/FreeSpaceLock.h): the file is that run's.
std::vector<TLeftoverFile> FindFreeSpaceLeftovers(const std::string& root);
// The folder a free-space wipe of the drive at `root` would put its temporary file in, as the
// run chooses it: the drive's root, or the home or temporary folder on that drive, whichever
// the caller may write first. Empty when none may be written (only the administrator can wipe
// that drive's free space); the system's reason when the drive cannot be asked, and
// std::errc::read_only_file_system when it is mounted read-only.
platform::Result<std::string> FreeSpaceFileFolder(const std::string& root);

class TWipeEngine {
 public:
  TWipeEngine();
  explicit TWipeEngine(std::string name);
  TWipeEngine(const TWipeEngine&) = delete;
  TWipeEngine& operator=(const TWipeEngine&) = delete;
  ~TWipeEngine();

  std::vector<std::unique_ptr<TWipeItem>> Items;  // the jobs of the next run, in order
  std::string Name;  // key of the engine in the settings' "Engines" section
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
  // With a method of one pass, up to this many files (and 64 MiB) written whole wait for their
  // flush to end while the next files are written; each is renamed and deleted only once its
  // own flush has ended. 0 waits for every flush before the next file starts.
  std::size_t FlushWindowFiles = 8;
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
  void WipeFolder(const TWipeItem& item);
  // Wipes the entry `name` of the open folder (`path` names it for the user), which was
  // `listed` a moment ago: a link is removed as a link, a file is overwritten and deleted. True
  // when the entry is still there afterwards (and named in Failures). During a run, a file of a
  // one-pass wipe may still wait for its flush when this returns (false): it is deleted, or
  // named, once the flush has ended, before the folder's walk or the run ends.
  bool WipeEntry(platform::Folder& folder, const std::string& path, const std::string& name,
                 const platform::FileInfo& listed, const std::string& caption);
  // Wipes the files of the folder that match the mask, then (with recurse) its subfolders,
  // depth first, and removes the emptied folders unless keepFolders. False when the folder
  // itself could not be removed. The walk goes from open folder to open folder and never
  // follows a link; an entry replaced after it was listed is left and named.
  // With `expected` known, the folder is walked only while it is still that entry.
  bool WipeDirectory(const std::string& folder, const std::string& mask, bool recurse,
                     bool keepFolders, const platform::EntryId& expected = {});
  // Fills the free space of the drive holding Item.Path with a temporary file in the drive's
  // root, wipes that file with every pass and deletes it. The caller's own temporary files of
  // interrupted runs on that drive are removed first (each a note); an entry of that name that
  // is not the caller's own is never written, and a read-only mount is not written at all.
  void WipeDriveFreeSpace(const TWipeItem& item);

 private:
  // How the overwrite of one file ended: not written (and named), gone before it could be
  // opened, every pass written, nothing to write (a method without passes), or every pass
  // written with the last flush still going on (the file waits in the flush window).
  enum class Overwrite { Failed, Gone, Done, WithoutPasses, Flushing };
  // How the walk of a folder ended: everything in it gone, something left (and named), or the
  // folder could not be listed (named too).
  enum class WalkEnd { Emptied, LeftSome, NotListed };

  void Fail(const std::string& path, TWipeFailureReason reason, std::error_code error = {},
            std::string detail = {}, std::string freeSpaceRoot = {});
  // Something in the open folder was deleted: its file system's journal is cleared at the end.
  void NoteDeletion(const platform::Folder& folder);
  // A file or link of the open folder was deleted: its journal is cleared, and where its name
  // stays besides is told at the end.
  void NoteFileDeletion(const platform::Folder& folder);
  // After the run's last deletion: clears the journals noted, the progress window showing it.
  void ClearJournals();
  // Records why an entry could not be reached: replaced, gone, or `otherwise` with the system's
  // reason. False when nothing is left of it (it was gone).
  bool FailReaching(const std::string& path, const std::error_code& error,
                    TWipeFailureReason otherwise);
  // For a job that must still be the entry `expected` (known when its device is not 0): true
  // (and named) when the path could not be reached without a link, or names another entry now.
  bool ReplacedSinceChosen(const std::string& path, const platform::EntryId& expected,
                           const std::error_code& reaching, const platform::EntryId& found);
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
                     const platform::FileInfo& listed, const std::string& mask, bool recurse);
  // Removes the emptied folder if it is still the one walked. False (and named) when it stays.
  bool RemoveWalkedFolder(platform::Folder& parent, const std::string& path,
                          const std::string& name, const platform::EntryId& walked, WalkEnd walk);
  // What work inside the run needs of it: event turns, the stop flag, the progress window.
  TRunTurns Turns();
  // Opens the entry for overwriting if it is still the file listed and has a single name, and
  // tells its size. Null (and named) otherwise; `gone` when nothing is left of it.
  std::unique_ptr<platform::File> OpenToOverwrite(platform::Folder& folder, const std::string& path,
                                                  const std::string& name,
                                                  const platform::EntryId& listed,
                                                  std::uint64_t& size, bool& gone);
  // Runs the passes (numbered from `first`) and the signature pass over the open file. The
  // last flush is left running when `overlap` is set.
  void RunPasses(TFileOverwriter& overwriter, const std::vector<TPass>& passes, int first,
                 int total, bool overlap);
  // Names the file with the first pass that failed, where and why.
  void FailPass(const std::string& path, const TFileOverwriter::PassFailure& failed);
  // Finishes the oldest files of the flush window until a file of `size` bytes fits in it.
  void MakeRoomFor(std::uint64_t size);
  // Puts a file written whole, its flush still going on, in the flush window, first finishing
  // the oldest files while the window is full.
  void HoldWhileFlushing(TFlushingFile file);
  // Renames and deletes the file once its flush has ended (or names it). True when it stays.
  bool FinishFlushed(TFlushingFile file);
  // Finishes every file of the flush window, oldest first. True when one of them stays.
  bool FinishFlushes();
  // Closes the files of the flush window without deleting them, each named: what an error
  // that escapes a folder's walk leaves.
  void LeaveFlushes();
  class LeaveFlushesOnError {
   public:
    explicit LeaveFlushesOnError(TWipeEngine& engine) : engine_(engine) {}
    ~LeaveFlushesOnError();
    LeaveFlushesOnError(const LeaveFlushesOnError&) = delete;
    LeaveFlushesOnError& operator=(const LeaveFlushesOnError&) = delete;

   private:
    TWipeEngine& engine_;
    int escaping_ = std::uncaught_exceptions();
  };
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
  // The parts of a free-space wipe, in order: the job bound to the drive listed, its temporary
  // file placed, the free space filled, then the filled file wiped with the passes left and
  // deleted, and what was not reached reported.
  struct FreeSpaceJob;
  class FillBytes;
  struct FirstPass {
    TPass pass;
    int total = 0;  // the passes of the method, the signature pass included
  };
  // How the fill ended: filled with blocks of "0", or with the method's first pass, which is
  // on the device, or which could not be forced there (the file is not wiped further).
  enum class FillEnd { Zeros, FirstPass, FirstPassFailed };
  bool BindDrive(const TWipeItem& item, FreeSpaceJob& job);
  std::unique_ptr<platform::File> PlaceTemporaryFile(FreeSpaceJob& job);
  FillEnd Fill(FreeSpaceJob& job, platform::File& file, std::uint64_t initial,
               const platform::DiskSpace& space, std::optional<TReserveLowering>& reserve);
  void WipeAndReport(FreeSpaceJob& job, FillEnd fill);
  // The method's first pass when the fill can write it, and how many passes there are.
  std::optional<FirstPass> FirstPassToFillWith();
  // After the fill: a second, small file takes what free blocks the file system still gives,
  // written until it refuses (ext4 keeps its last ones from a large file).
  void FillTail(FreeSpaceJob& job, FillBytes& bytes, std::uint64_t total);
  // The fill's loop: the file grows until the free space ends (or the run stops); how far.
  std::uint64_t FillUp(FreeSpaceJob& job, platform::File& file, FillBytes& bytes,
                       std::uint64_t initial, std::uint64_t large, std::uint64_t total);
  // Appends `length` bytes of the fill to the file.
  platform::Status WriteFill(platform::File& file, FillBytes& bytes, std::uint64_t length);
  // Free space the fill could not reach, `left` being what stayed free.
  void ReportUnreached(const FreeSpaceJob& job, const platform::DiskSpace& left);
  // Removes the job's temporary files if they are still the run's own. True when the first was
  // removed now; a file that stays is named, since it keeps the drive full.
  bool RemoveTemporaryFile(const FreeSpaceJob& job);
  bool RemoveTemporaryFile(const FreeSpaceJob& job, const std::string& path);
  // Asks the file system at `root` (`total` bytes large) to discard its free blocks, in steps;
  // a note when it cannot.
  void DiscardFreeBlocks(const std::string& root, std::uint64_t total);
  // Removes a symbolic link as a link. False (and named) when it cannot be removed.
  bool RemoveLink(platform::Folder& folder, const std::string& path, const std::string& name);
  // True (and named) when the folder lies on a system file system, where nothing is touched.
  bool OnSystemFileSystem(platform::Folder& folder, const std::string& path);
  // True (and named) when the entry of the folder, as `listed`, is a mount point: a walk never
  // enters another mount, and a file bound over an entry is another file's content.
  bool AtMountPoint(platform::Folder& folder, const std::string& path, const std::string& name,
                    const platform::FileInfo& listed);
  // Records what the file system did with the overwrite of the file just deleted, when its old
  // blocks were not reached (TReachNotes).
  void NoteReach(const std::string& path, const TReachVerdict& verdict);

  // Whether the metadata of a drive's file system was moved before its free space was filled,
  // and the system's reason when it was not.
  struct MetadataMove {
    bool tried = false;  // the file system keeps names where a fill may reach them once moved
    std::error_code error{};
  };
  // On btrfs, before the fill: moves every metadata block group of the file system mounted at
  // `root` (`device`, reached through `mount`), so that the blocks holding old copies of names
  // become space the fill writes over. The progress window shows it; Stop cancels it (Aborted
  // is then set).
  MetadataMove MoveMetadata(const std::string& root, const std::string& fileSystem,
                            std::uint64_t device, std::uint64_t mount);
  // After a free-space wipe of `root`: says what may remain of names in its metadata.
  void NoteNamesInMetadata(const std::string& root, const std::string& fileSystem,
                           const MetadataMove& move);
  // At the end of a run: names where the names of the files it deleted stay on the device
  // (NamesLeft), as things left behind.
  void NoteNamesLeftByFiles();

  bool running_ = false;
  IWipeProgress* progress_ = nullptr;  // the progress window while a run is on
  // Whether a file's layout is looked at around its passes (not for the free space's own file),
  // and the verdict on the last file overwritten.
  bool checkReach_ = true;
  TReachVerdict reach_;
  // The folders files were deleted from during the run, for where their names stay.
  std::unique_ptr<NamesLeft> namesLeft_;
  std::optional<JournalCleanup> journal_;  // while a run is on
  WipeRun* run_ = nullptr;
  std::unique_ptr<WipeRun> ownRun_;  // the run outside Execute and RunScope
  // The files whose flush is still going on (see FlushWindowFiles).
  TFlushWindow flushing_;
  // The folder of the file job being run, while its file may still wait in the flush window.
  std::unique_ptr<platform::Folder> jobFolder_;
  // The free space's temporary file was filled with the first pass of the method: its wipe
  // starts with the second pass.
  bool firstPassWritten_ = false;
  // The size of the file last overwritten, when it was known (the largest value otherwise).
  std::uint64_t wipedSize_ = std::numeric_limits<std::uint64_t>::max();
  std::size_t itemsReached_ = 0;
  std::string stoppedInFile_;
  std::string stoppedInDrive_;
};
