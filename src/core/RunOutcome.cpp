#include "core/RunOutcome.h"

#include <algorithm>

#include "platform/FileSystem.h"

std::vector<std::string> FreeSpaceRootsToFinish(const TRunOutcome& outcome) {
  std::vector<std::string> roots;
  for (const TWipeFailure& failure : outcome.failures) {
    // Old blocks of content, and names in metadata the free-space wipe moves and fills.
    if (failure.Reason != TWipeFailureReason::NotOverwrittenInPlace &&
        failure.Reason != TWipeFailureReason::NamesRemain) {
      continue;
    }
    if (failure.FreeSpaceRoot.empty()) continue;
    if (std::find(roots.begin(), roots.end(), failure.FreeSpaceRoot) == roots.end()) {
      roots.push_back(failure.FreeSpaceRoot);
    }
  }
  return roots;
}

TRunOutcome RunOutcomeOf(const TWipeEngine& engine) {
  TRunOutcome outcome;
  outcome.aborted = engine.Aborted;
  outcome.failures = engine.Failures;
  outcome.notes = engine.Notes;
  outcome.jobs = engine.Items.size();
  if (!engine.Aborted) return outcome;
  // Named only when it is still there: a file the run removes itself after a stop (the
  // free-space fill) is not left behind.
  if (!engine.StoppedInFile().empty() && platform::fs().info(engine.StoppedInFile())) {
    outcome.stoppedIn = engine.StoppedInFile();
  }
  outcome.stoppedInDrive = engine.StoppedInDrive();
  for (std::size_t i = engine.ItemsReached(); i < engine.Items.size(); ++i) {
    outcome.notReached.push_back(engine.Items[i]->Path);
  }
  return outcome;
}
