#pragma once
// The walk of one folder with everything in it: its files first, then its subfolders depth
// first, each removed once emptied. The walk goes from open folder to open folder: every entry
// is reached relative to the folder that listed it and only while it is still the entry listed,
// so a folder swapped for a link or for another folder during the run can never lead the walk
// anywhere else, another mount is never entered, and trees of any depth are reached whole.
// Wiping an entry, the files waiting for their flush and the notes of what was deleted are the
// engine's: the walk asks for them through the calls it is given.

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "core/TRunTurns.h"
#include "core/WipeFailure.h"

class WipeRun;
namespace platform {
class Folder;
struct EntryId;
struct FileInfo;
}  // namespace platform

class TFolderWalk {
 public:
  // What the walk asks of the engine that runs it.
  struct Calls {
    // Wipes the entry `name` of the open folder (`path` for the user), a file, a link or
    // another entry that is not a folder, as it was `listed`. True when it stays (and named).
    std::function<bool(platform::Folder& folder, const std::string& path, const std::string& name,
                       const platform::FileInfo& listed)>
        WipeEntry;
    // Removes the symbolic link `name` of the folder as a link. False (and named) when it stays.
    std::function<bool(platform::Folder& folder, const std::string& path, const std::string& name)>
        RemoveLink;
    // Deletes the files of the folder still waiting for their flush. True when one stays.
    std::function<bool()> FinishFlushes;
    // Leaves the files waiting for their flush, each named: an error escapes their folder.
    std::function<void()> LeaveFlushes;
    // A subfolder of `folder` was removed.
    std::function<void(const platform::Folder& folder)> NoteDeletion;
    // Whether the file system is forced to the device before a folder is removed, so that the
    // blocks that held its names are written with the names gone.
    bool SyncBeforeRemoval = false;
  };

  // Through the run's file system and witness; what stays is named in `failures`, what the user
  // should know besides in `notes`.
  TFolderWalk(WipeRun& run, TRunTurns turns, Calls calls, std::vector<TWipeFailure>& failures,
              std::vector<TWipeFailure>& notes);

  // Wipes the files of the folder that match the mask, then (with recurse) its subfolders,
  // depth first, and removes the emptied folders unless keepFolders. False when the folder
  // itself could not be removed. A link chosen as the folder is removed as a link; with
  // `expected` known, the folder is walked only while it is still that entry.
  bool Walk(const std::string& folder, const std::string& mask, bool recurse, bool keepFolders,
            const platform::EntryId& expected);

 private:
  // How the walk of a folder ended: everything in it gone, something left (and named), or the
  // folder could not be listed (named too).
  enum class WalkEnd { Emptied, LeftSome, NotListed };

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
  void Fail(const std::string& path, TWipeFailureReason reason, std::error_code error = {},
            std::string detail = {});
  bool stopRequested() const { return turns_.Stopped(); }
  void ProcessMessages() { turns_.HandleEvents(); }

  // Leaves the files waiting for their flush when an error escapes the folder they lie in.
  class LeaveFlushesOnError {
   public:
    explicit LeaveFlushesOnError(const Calls& calls) : calls_(calls) {}
    ~LeaveFlushesOnError();
    LeaveFlushesOnError(const LeaveFlushesOnError&) = delete;
    LeaveFlushesOnError& operator=(const LeaveFlushesOnError&) = delete;

   private:
    const Calls& calls_;
    int escaping_ = std::uncaught_exceptions();
  };

  WipeRun& run_;
  TRunTurns turns_;
  Calls calls_;
  std::vector<TWipeFailure>& failures_;
  std::vector<TWipeFailure>& notes_;
};
