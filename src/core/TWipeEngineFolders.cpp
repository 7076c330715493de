// Wiping a folder with everything in it: the walk (TFolderWalk) goes from open folder to open
// folder, and asks the engine to wipe each entry, to finish the files waiting for their flush
// and to note what was removed.

#include "core/TWipeEngine.h"
#include "core/WipeRun.h"
#include "platform/Folder.h"

void TWipeEngine::LeaveFlushes() {
  // Written whole but not deleted: each keeps its name and is named.
  while (!flushing_.Empty()) {
    const TFlushingFile left = flushing_.PopOldest();
    Failures.push_back({left.path, TWipeFailureReason::Interrupted});
  }
}

void TWipeEngine::WipeFolder(const TWipeItem& item) {
  WipeDirectory(item.Path, "*.*", true, false, item.Expected);
}

bool TWipeEngine::WipeDirectory(const std::string& folder, const std::string& mask, bool recurse,
                                bool keepFolders, const platform::EntryId& expected) {
  return TFolderWalk(run(), Turns(), WalkCalls(), Failures, Notes)
      .Walk(folder, mask, recurse, keepFolders, expected);
}

TFolderWalk::Calls TWipeEngine::WalkCalls() {
  TFolderWalk::Calls calls;
  calls.WipeEntry = [this](platform::Folder& folder, const std::string& path,
                           const std::string& name, const platform::FileInfo& listed) {
    return WipeEntry(folder, path, name, listed, std::string());
  };
  calls.RemoveLink = [this](platform::Folder& folder, const std::string& path,
                            const std::string& name) { return RemoveLink(folder, path, name); };
  calls.FinishFlushes = [this] { return FinishFlushes(); };
  calls.LeaveFlushes = [this] { LeaveFlushes(); };
  calls.NoteDeletion = [this](const platform::Folder& parent) {
    names_.NoteDeletion(parent.path());
  };
  calls.SyncBeforeRemoval =
      names_.Noting() && run().Settings.Journal != WipeRunSettings::JournalNames::None;
  return calls;
}
