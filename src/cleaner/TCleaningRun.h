#pragma once
// One run over chosen items of the catalogue, for the page that cleans traces: a preview (what
// each item would remove, nothing removed) or a real clean, item after item, with a stop
// request that the walks see between entries and the run between items.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cleaner/TCustomEraserEngine.h"
#include "platform/Result.h"

// What the records of a run say about one item.
struct TItemSummary {
  std::size_t Count = 0;    // things removed (or that would be)
  std::uint64_t Bytes = 0;  // their size
  std::size_t Left = 0;     // things left behind, with a reason each
};

class TCleaningRun {
 public:
  explicit TCleaningRun(TCustomEraserEngine& engine) : engine_(engine) {}

  // Called before each item with its place in the run.
  using TProgress = std::function<void(std::size_t index, const TEraser& item)>;

  // Forgets the records of earlier runs, then runs the items in order. A clean writes its
  // registry deletions to the engine's registry once, at its end; when that write fails, none
  // of them remain and each is recorded as left, with the reason (RegistryWritten). An item that
  // fails (raises) is named in the records with the reason, and the run goes on. False when the run
  // was stopped.
  // A real clean that deleted something ends by clearing the old copies of the deleted names
  // from the file systems' journals when ClearJournals is set (the journal option); a journal
  // that could not be cleared is noted in the engine's Notes. `clearing` is called before that.
  bool Run(const std::vector<TEraser*>& items, bool preview, const TProgress& progress = {},
           const std::function<void()>& clearing = {});
  bool ClearJournals = false;
  // Asks the running walk to stop at its next entry; no later item starts.
  void Stop() { engine_.Cancelled = true; }
  bool Running() const { return running_; }
  // Whether the last clean's registry deletions were written, or why not.
  const platform::Status& RegistryWritten() const { return registryWritten_; }

  // The records of the last run for one item (by Name).
  TItemSummary Summary(const std::string& itemName) const;

 private:
  // The registry store refused the run's changes: its registry records move from Removed to
  // Left with the reason.
  void KeepUnwrittenRegistryRecords(const std::string& why);

  TCustomEraserEngine& engine_;
  bool running_ = false;
  platform::Status registryWritten_;
};
