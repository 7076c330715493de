#include "cli/FreeSpaceFinish.h"

#include <algorithm>

#include "core/Helpers.h"
#include "core/OverwriteReach.h"
#include "core/Translated.h"

namespace {

bool InFreeSpaceOf(const TWipeFailure& failure, const std::string& root) {
  return failure.Reason == TWipeFailureReason::NotOverwrittenInPlace && !root.empty() &&
         failure.FreeSpaceRoot == root;
}

}  // namespace

std::vector<std::string> RootsToFinish(const std::vector<TRunOutcome>& outcomes) {
  std::vector<std::string> roots;
  for (const TRunOutcome& outcome : outcomes) {
    for (const std::string& root : FreeSpaceRootsToFinish(outcome)) {
      if (std::find(roots.begin(), roots.end(), root) == roots.end()) roots.push_back(root);
    }
  }
  return roots;
}

bool FreeSpaceWiped(const TRunOutcome& freeSpace, const std::string& root) {
  if (freeSpace.aborted) return false;
  const std::string wanted = AddTrailingBackslash(root);
  const bool reached =
      std::none_of(freeSpace.notReached.begin(), freeSpace.notReached.end(),
                   [&](const std::string& path) { return AddTrailingBackslash(path) == wanted; });
  const bool clean = std::none_of(
      freeSpace.failures.begin(), freeSpace.failures.end(), [&](const TWipeFailure& failure) {
        return AddTrailingBackslash(failure.Path) == wanted && LeavesSomethingBehind(failure);
      });
  return reached && clean;
}

bool NamesReached(const TRunOutcome& freeSpace, const std::string& root,
                  const std::string& fileSystem) {
  // A file system that writes in place frees a removed folder's blocks as they are: the fill
  // takes them with the rest of the free space.
  if (!root.empty() && !WritesElsewhere(fileSystem)) return true;
  return std::any_of(freeSpace.notes.begin(), freeSpace.notes.end(), [&](const TWipeFailure& note) {
    return note.Reason == TWipeFailureReason::NamesInMetadata && !root.empty() &&
           note.FreeSpaceRoot == root;
  });
}

void MarkFinished(std::vector<TRunOutcome>& outcomes, const std::string& root, bool namesReached) {
  const std::string shown = root.size() > 1 ? RemoveTrailingBackslash(root) : root;
  for (TRunOutcome& outcome : outcomes) {
    // What may remain of names there is said by the free-space wipe itself.
    if (namesReached) {
      std::erase_if(outcome.failures, [&](const TWipeFailure& failure) {
        return failure.Reason == TWipeFailureReason::NamesRemain && !root.empty() &&
               failure.FreeSpaceRoot == root;
      });
    }
    auto& failures = outcome.failures;
    for (auto it = failures.begin(); it != failures.end();) {
      if (!InFreeSpaceOf(*it, root)) {
        ++it;
        continue;
      }
      TWipeFailure note = *it;
      // "(btrfs writes elsewhere): wipe the free space of /home to finish" becomes
      // "(btrfs writes elsewhere): the free space of /home was wiped after it".
      const std::size_t cause = note.Detail.find("): ");
      note.Detail =
          (cause == std::string::npos ? std::string() : note.Detail.substr(0, cause + 3)) +
          Tr("the free space of ") + shown + Tr(" was wiped after it");
      outcome.notes.push_back(std::move(note));
      it = failures.erase(it);
    }
  }
}
