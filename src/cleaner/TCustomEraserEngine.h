#pragma once
// The base of the trace-cleaning engine: the items in the order added, the shared stop request
// and the list of actions left over from a run.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cleaner/TEraser.h"
#include "cleaner/TPostEraser.h"
#include "core/JournalCleanup.h"

class TWipeEngine;
class WipeRun;
class IWipeServices;
namespace platform {
class Registry;
}

// One thing a run removed (in a preview: would remove), or left behind and why.
struct TCleanRecord {
  std::string Item;        // Name of the item that met it
  std::string What;        // a path, a registry key or value, or a description
  std::uint64_t Size = 0;  // bytes of a file, 0 otherwise
  std::string Reason;      // why it was left behind; empty for what was removed
};

class TCustomEraserEngine {
 public:
  TCustomEraserEngine();
  TCustomEraserEngine(const TCustomEraserEngine&) = delete;
  TCustomEraserEngine& operator=(const TCustomEraserEngine&) = delete;
  virtual ~TCustomEraserEngine();

  std::vector<std::unique_ptr<TEraser>> Erasers;  // owned, in the order added
  bool Cancelled = false;  // stop request, polled by the folder walks and registry runs
  // What lets the windows (or the terminal) handle pending events between entries, so that a
  // stop is seen; not owned. None: nothing is handled.
  IWipeServices* Services = nullptr;
  // Lets the services handle pending events.
  void ProcessMessages();
  // The registry whose keys and values the items delete, and whose changes a clean writes in
  // one batch (the window's, say); not owned. None: the registry in use.
  platform::Registry* Registry = nullptr;
  platform::Registry& RegistryStore() const;
  std::unique_ptr<TPostEraser> PostEraser;
  // The folders the erasers deleted in. Whoever runs the erasers ends, when the journal option
  // is on, with Journal.Finish, which clears the old copies of the names from the journals.
  JournalCleanup Journal;

  // When set, the items only list what they would remove (in Removed) and change nothing.
  bool Preview = false;
  // When set, files are overwritten with this engine's method before they go, instead of being
  // deleted plainly. Not owned.
  TWipeEngine* Overwrite = nullptr;
  // The run that Overwrite wipes with: its settings, method and services (not owned). Without
  // one, the engine has no method and every file stays, named with that reason.
  WipeRun* OverwriteRun = nullptr;
  // What the runs since the last ClearRecords removed (or would remove), and what they left.
  std::vector<TCleanRecord> Removed;
  std::vector<TCleanRecord> Left;
  // What else the user should hear of, that left nothing behind (a journal not cleared).
  std::vector<TCleanRecord> Notes;
  // Places that no item ever cleans, as the user wrote them (TTracePathLists): a kept file or
  // folder, and everything below a kept folder, is passed over without a word. Whoever runs
  // the items sets them from the settings.
  std::vector<std::string> KeepPaths;
  // The extra files and folders that the custom item cleans, as the user wrote them.
  std::vector<std::string> CustomPaths;
  // Whether the path (absolute) is one of the kept places or lies below one.
  bool Keeps(const std::string& path) const;
  // The items of the run in progress, set by the run (empty outside one): an item may say what
  // another item of the same run is about to do, or what none will.
  std::vector<const TEraser*> RunItems;
  // Whether the item with that name takes part in the run in progress.
  bool RunIncludes(const std::string& itemName) const;
  void ClearRecords();
  void RecordRemoved(const TEraser& item, std::string what, std::uint64_t size = 0);
  void RecordLeft(const TEraser& item, std::string what, std::string reason);

  // Makes this engine the item's owner and appends it.
  TEraser* AddEraser(std::unique_ptr<TEraser> item);
};
