#pragma once
// The base of the trace-cleaning engine: the items in the order added, the shared stop request
// and the list of actions left over from a run.

#include <memory>
#include <vector>

#include "cleaner/TEraser.h"
#include "cleaner/TPostEraser.h"
#include "core/JournalCleanup.h"

class TCustomEraserEngine {
 public:
  TCustomEraserEngine();
  TCustomEraserEngine(const TCustomEraserEngine&) = delete;
  TCustomEraserEngine& operator=(const TCustomEraserEngine&) = delete;
  virtual ~TCustomEraserEngine();

  std::vector<std::unique_ptr<TEraser>> Erasers;  // owned, in the order added
  bool Cancelled = false;  // stop request, polled by the folder walks and registry runs
  std::unique_ptr<TPostEraser> PostEraser;
  // The folders the erasers deleted in. Whoever runs the erasers ends, when the journal option
  // is on, with Journal.Finish, which clears the old copies of the names from the journals.
  JournalCleanup Journal;

  // Makes this engine the item's owner and appends it.
  TEraser* AddEraser(std::unique_ptr<TEraser> item);
};
