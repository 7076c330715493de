#include "cleaner/TCleaningRun.h"

#include <exception>

bool TCleaningRun::Run(const std::vector<TEraser*>& items, bool preview, const TProgress& progress,
                       const std::function<void()>& clearing) {
  if (running_) return false;
  running_ = true;
  engine_.ClearRecords();
  engine_.Cancelled = false;
  engine_.Preview = preview;
  for (std::size_t i = 0; i < items.size() && !engine_.Cancelled; ++i) {
    TEraser& item = *items[i];
    if (progress) progress(i, item);
    if (engine_.Cancelled) break;
    try {
      item.Erase();
    } catch (const std::exception& error) {
      engine_.RecordLeft(item, item.Caption, error.what());
    }
  }
  engine_.Preview = false;
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
