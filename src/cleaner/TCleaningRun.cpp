#include "cleaner/TCleaningRun.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "core/Translated.h"
#include "platform/Registry.h"

namespace {

// The records of registry keys and values begin with the name of their root.
bool IsRegistryRecord(const TCleanRecord& record) {
  return record.What.rfind("HKEY_", 0) == 0;
}

}  // namespace

bool TCleaningRun::Run(const std::vector<TEraser*>& items, bool preview, const TProgress& progress,
                       const std::function<void()>& clearing) {
  if (running_) return false;
  running_ = true;
  engine_.ClearRecords();
  engine_.Cancelled = false;
  engine_.Preview = preview;
  engine_.RunItems.assign(items.begin(), items.end());
  // The registry deletions of a clean are written to the engine's registry in one step at its
  // end, not once per value: a list of thousands of values would otherwise rewrite the store as
  // many times.
  registryWritten_ = {};
  std::optional<platform::RegistryBatch> batch;
  if (!preview) batch.emplace(engine_.RegistryStore());
  for (std::size_t i = 0; i < items.size() && !engine_.Cancelled; ++i) {
    TEraser& item = *items[i];
    if (progress) progress(i, item);
    if (engine_.Cancelled) break;
    try {
      item.Erase();
    } catch (const std::exception& error) {
      engine_.RecordLeft(item, item.ShownCaption(), error.what());
    }
  }
  engine_.Preview = false;
  engine_.RunItems.clear();
  if (batch) {
    registryWritten_ = batch->end();
    if (!registryWritten_) KeepUnwrittenRegistryRecords(registryWritten_.error().message());
  }
  if (ClearJournals && !engine_.Cancelled && engine_.Journal.Pending()) {
    if (clearing) clearing();
    const auto stop = [this] { return engine_.Cancelled; };
    for (const JournalCleanup::Result& result : engine_.Journal.Finish({}, stop)) {
      const platform::JournalResult done = result.Outcome.result;
      if (done == platform::JournalResult::Cleaned || done == platform::JournalResult::NoJournal)
        continue;
      engine_.Notes.push_back({{}, result.Folder, 0, DescribeJournalOutcome(result.Outcome)});
    }
  }
  // Deletions of a run whose journals are not cleared are not carried into the next run.
  engine_.Journal = JournalCleanup();
  running_ = false;
  return !engine_.Cancelled;
}

void TCleaningRun::KeepUnwrittenRegistryRecords(const std::string& why) {
  // None of the run's registry deletions remain: what was recorded as removed stays.
  const std::string reason = Tr("the registry store could not be written") + ": " + why;
  auto& removed = engine_.Removed;
  for (const TCleanRecord& record : removed) {
    if (IsRegistryRecord(record)) engine_.Left.push_back({record.Item, record.What, 0, reason});
  }
  removed.erase(std::remove_if(removed.begin(), removed.end(), IsRegistryRecord), removed.end());
}

TItemSummary TCleaningRun::Summary(const std::string& itemName) const {
  TItemSummary summary;
  for (const TCleanRecord& record : engine_.Removed) {
    if (record.Item != itemName) continue;
    ++summary.Count;
    summary.Bytes += record.Size;
  }
  for (const TCleanRecord& record : engine_.Left) {
    if (record.Item == itemName) ++summary.Left;
  }
  return summary;
}
