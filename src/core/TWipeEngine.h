#pragma once
// A named wipe engine with the list of jobs its next run carries out.

#include <memory>
#include <string>
#include <vector>

#include "core/TWipeItem.h"

class TWipeMethod;
class TPass;
class IWipeProgress;
namespace platform {
class File;
}

// Why a run left a chosen file or folder behind.
enum class TWipeFailureReason {
  NoMethod,                 // no wipe method is chosen for the engine
  CannotOpen,               // the file could not be opened for writing
  PassFailed,               // a pass could not be written completely
  CannotDelete,             // the file was overwritten but could not be deleted
  FolderNotRemoved,         // the folder could not be removed (it still holds something)
  KeptByUser,               // the user chose not to wipe an executable file
  FreeSpaceFileNotCreated,  // the temporary file for the free space could not be created
  FreeSpaceFillFailed,      // the free space could not be filled completely
  NoFreeSpace,              // the drive had no free space to wipe
};

struct TWipeFailure {
  std::string Path;
  TWipeFailureReason Reason;
};

// A short text that says why, for the list shown after a run ("could not be opened", ...).
std::string WipeFailureText(TWipeFailureReason reason);

class TWipeEngine {
 public:
  TWipeEngine() = default;
  explicit TWipeEngine(std::string name) : Name(std::move(name)) {}
  TWipeEngine(const TWipeEngine&) = delete;
  TWipeEngine& operator=(const TWipeEngine&) = delete;
  ~TWipeEngine();

  std::vector<std::unique_ptr<TWipeItem>> Items;  // the jobs of the next run, in order
  IWipeProgress* Progress = nullptr;              // the progress window while a run is on
  bool WarnOnExecutable = false;
  std::string Name;                // key of the engine in the settings' "Engines" section
  TWipeMethod* Method = nullptr;   // the method last recorded for the engine, not owned
  bool Aborted = false;            // stop request; stays set after the run

  // Appends the job; the engine owns it from then on.
  TWipeItem* AddItem(std::unique_ptr<TWipeItem> item);
  // Takes the job out of the list and frees it; a job that is not in the list is ignored.
  void RemoveItem(const TWipeItem* item);
  // Frees every job.
  void ClearItems();

  // Runs every job in order, showing the progress window. Refused (does nothing) while a run
  // of this engine is already going on. The jobs stay in the list; Aborted tells whether the
  // run was stopped, Failures what it left behind.
  void Execute();
  bool Running() const { return running_; }
  // What the last run left behind, in the order met.
  std::vector<TWipeFailure> Failures;

  void WipeFile(const TWipeItem& item);
  // 0 when all passes were run (or the run was cancelled in between), 1 when the file could not
  // be wiped.
  int OverwriteFile(const TWipeItem& item);
  void WipeFolder(const TWipeItem& item);
  bool WipeDirectory(const std::string& folder, const std::string& mask, bool recurse,
                     bool keepFolders);
  void WipeDriveFreeSpace(const TWipeItem& item);

 private:
  bool running_ = false;
};
