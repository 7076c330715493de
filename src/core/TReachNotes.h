#pragma once
// What a run says of a file it deleted whose passes did not reach the blocks that held it:
// blocks a snapshot or another file shares keep the old content as it was (SharedBlocks); a file
// system that wrote the passes to other blocks left the old ones in the free space of the drive,
// whose free-space wipe finishes the file (NotOverwrittenInPlace, naming that drive).

#include <optional>
#include <string>

#include "core/OverwriteReach.h"
#include "core/WipeFailure.h"

namespace platform {
class DriveTable;
}  // namespace platform

class TReachNotes {
 public:
  // Tells which drive holds a file through the table given.
  explicit TReachNotes(const platform::DriveTable& drives) : drives_(drives) {}

  // What is said of the file at `path`, deleted after its overwrite got `verdict`; none when
  // the passes reached its blocks.
  std::optional<TWipeFailure> Of(const std::string& path, const TReachVerdict& verdict) const;

 private:
  const platform::DriveTable& drives_;
};
