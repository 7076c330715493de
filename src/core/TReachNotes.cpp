#include "core/TReachNotes.h"

#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/Drives.h"

std::optional<TWipeFailure> TReachNotes::Of(const std::string& path,
                                            const TReachVerdict& verdict) const {
  if (verdict.Reach == TOverwriteReach::Shared) {
    return TWipeFailure{path, TWipeFailureReason::SharedBlocks};
  }
  if (verdict.Reach != TOverwriteReach::Elsewhere) return std::nullopt;
  // The free space of the drive that held the file now holds the old blocks.
  const std::string root = drives_.rootOf(path);
  const std::string shown = root.size() > 1 ? RemoveTrailingBackslash(root) : root;
  return TWipeFailure{path,
                      TWipeFailureReason::NotOverwrittenInPlace,
                      {},
                      "(" + verdict.Why + Tr("): wipe the free space of ") +
                          (shown.empty() ? std::string(Tr("its drive")) : shown) + Tr(" to finish"),
                      root};
}
