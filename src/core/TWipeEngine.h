#pragma once
// A named wipe engine with the list of jobs its next run carries out.

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "core/OverwriteReach.h"
#include "core/TFlushWindow.h"
#include "core/TFolderWalk.h"
#include "core/TNamesFinish.h"
#include "core/TPass.h"
#include "core/TRunTurns.h"
#include "core/TWipeItem.h"
#include "core/WipeFailure.h"
#include "platform/Result.h"

class TFreeSpaceFill;
class TFreeSpacePlace;
enum class TFillEnd;
struct TFreeSpaceJob;
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

  void Fail(const std::string& path, TWipeFailureReason reason, std::error_code error = {},
            std::string detail = {}, std::string freeSpaceRoot = {});
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
  // What a folder's walk asks of the engine: each entry wiped, links removed, the flush window
  // finished or left, removed folders noted.
  TFolderWalk::Calls WalkCalls();
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
  // The steps of a free-space wipe, working with this engine's run: where it writes, and the
  // fill, between the run's turns.
  TFreeSpacePlace FreeSpacePlace();
  TFreeSpaceFill FreeSpaceFill(TFreeSpacePlace& place);
  // After the fill: the small files wiped and deleted and the lowered reserve (if any) put back,
  // then the filled file wiped with the passes left and deleted, what was not reached told, and
  // the free blocks discarded.
  void WipeAndReport(TFreeSpaceJob& job, TFreeSpacePlace& place, TFreeSpaceFill& fill, TFillEnd end,
                     const TNamesFinish::MetadataMove& metadata);
  // Removes a symbolic link as a link. False (and named) when it cannot be removed.
  bool RemoveLink(platform::Folder& folder, const std::string& path, const std::string& name);
  // Records what the file system did with the overwrite of the file just deleted, when its old
  // blocks were not reached (TReachNotes).
  void NoteReach(const std::string& path, const TReachVerdict& verdict);

  bool running_ = false;
  IWipeProgress* progress_ = nullptr;  // the progress window while a run is on
  // Whether a file's layout is looked at around its passes (not for the free space's own file),
  // and the verdict on the last file overwritten.
  bool checkReach_ = true;
  TReachVerdict reach_;
  WipeRun* run_ = nullptr;
  // What the run deleted where, for the journals and metadata cleared and the names left at its
  // end.
  TNamesFinish names_{Failures, Notes};
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
